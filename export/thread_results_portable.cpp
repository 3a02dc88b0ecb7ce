#include "export/thread_results.h"

namespace zentavo {

ResultSlots* thread_results() noexcept {
    thread_local ResultSlots slots;
    return &slots;
}

}  // namespace zentavo
