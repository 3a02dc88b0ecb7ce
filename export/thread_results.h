// The result slots of the calling thread.
#pragma once

#include "export/result_slots.h"

namespace zentavo {

// Made on the thread's first call and released when the thread ends (or the
// library is unloaded); null when no memory can be had for it.
ResultSlots* thread_results() noexcept;

}  // namespace zentavo
