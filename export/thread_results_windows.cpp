// Per-thread result slots for the DLL.
//
// A thread's slots hang off a TLS index and are also kept in a list, so that
// whatever is still held when the library is unloaded is released then: a
// host thread that outlives the library owns nothing of it and runs none of
// its code when it ends.
#include <windows.h>

#include <cstdlib>
#include <new>

#include "export/thread_results.h"

namespace zentavo {
namespace {

struct ThreadEntry {
    ResultSlots slots;
    ThreadEntry* previous = nullptr;
    ThreadEntry* next = nullptr;
};

DWORD g_tls_index = TLS_OUT_OF_INDEXES;
SRWLOCK g_entries_lock = SRWLOCK_INIT;
ThreadEntry* g_entries = nullptr;  // every thread that holds slots

void release(ThreadEntry* entry) {
    AcquireSRWLockExclusive(&g_entries_lock);
    if (entry->previous) entry->previous->next = entry->next;
    else g_entries = entry->next;
    if (entry->next) entry->next->previous = entry->previous;
    ReleaseSRWLockExclusive(&g_entries_lock);
    entry->~ThreadEntry();
    std::free(entry);
}

void release_this_thread() {
    if (g_tls_index == TLS_OUT_OF_INDEXES) return;
    if (auto* entry = static_cast<ThreadEntry*>(TlsGetValue(g_tls_index))) {
        TlsSetValue(g_tls_index, nullptr);
        release(entry);
    }
}

// Unloading: the loader lock keeps every other call of ours out.
void release_all() {
    while (g_entries) release(g_entries);
    TlsFree(g_tls_index);
    g_tls_index = TLS_OUT_OF_INDEXES;
}

}  // namespace

ResultSlots* thread_results() noexcept {
    if (g_tls_index == TLS_OUT_OF_INDEXES) return nullptr;
    if (auto* entry = static_cast<ThreadEntry*>(TlsGetValue(g_tls_index))) return &entry->slots;

    void* memory = std::malloc(sizeof(ThreadEntry));
    if (!memory) return nullptr;
    auto* entry = new (memory) ThreadEntry;
    if (!TlsSetValue(g_tls_index, entry)) {
        entry->~ThreadEntry();
        std::free(entry);
        return nullptr;
    }
    AcquireSRWLockExclusive(&g_entries_lock);
    entry->next = g_entries;
    if (g_entries) g_entries->previous = entry;
    g_entries = entry;
    ReleaseSRWLockExclusive(&g_entries_lock);
    return &entry->slots;
}

}  // namespace zentavo

extern "C" BOOL WINAPI DllMain(HINSTANCE, DWORD reason, LPVOID reserved) {
    using namespace zentavo;
    switch (reason) {
    case DLL_PROCESS_ATTACH:
        g_tls_index = TlsAlloc();
        return g_tls_index != TLS_OUT_OF_INDEXES;
    case DLL_THREAD_DETACH:
        release_this_thread();
        break;
    case DLL_PROCESS_DETACH:
        // At process exit (reserved != null) the memory goes with the process.
        if (reserved == nullptr) release_all();
        break;
    }
    return TRUE;
}
