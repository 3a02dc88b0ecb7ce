// Counting replacements of glibc's allocation functions, linked into the
// benchmark binary only.  A definition in the executable takes the place of
// the C library's for every caller, the library under test included.
#include "bench/allocation_count.h"

#include <atomic>
#include <cstddef>
#include <cstdlib>

extern "C" {
void* __libc_malloc(std::size_t size);
void* __libc_calloc(std::size_t count, std::size_t size);
void* __libc_realloc(void* pointer, std::size_t size);
}

namespace {

std::atomic<std::uint64_t> g_allocations{0};

void note_allocation() { g_allocations.fetch_add(1, std::memory_order_relaxed); }

}  // namespace

std::uint64_t bench::allocation_count() { return g_allocations.load(std::memory_order_relaxed); }

extern "C" void* malloc(std::size_t size) noexcept {
    note_allocation();
    return __libc_malloc(size);
}

extern "C" void* calloc(std::size_t count, std::size_t size) noexcept {
    note_allocation();
    return __libc_calloc(count, size);
}

extern "C" void* realloc(void* pointer, std::size_t size) noexcept {
    note_allocation();
    return __libc_realloc(pointer, size);
}
