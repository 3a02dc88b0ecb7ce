// How many heap allocations the process has made so far.  The benchmark
// binary replaces malloc, calloc and realloc with counting ones that hand on
// to glibc's own; operator new allocates through malloc, so it counts too.
#pragma once

#include <cstdint>

namespace bench {

std::uint64_t allocation_count();

}  // namespace bench
