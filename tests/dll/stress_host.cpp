// Puts Zentavo2.dll under the load a long-lived host gives it and prints each
// figure with its target:
//   threads  8 threads, 1,000,000 calls of all five exports over real maker
//            strings, each result compared with the single-thread answer
//   churn    3,000 short-lived threads calling every export once
//   repeat   2,000,000 calls with distinct maker texts on one thread
//   unload   200 cycles of load, calls from 4 threads, unload under them
//   long     a 64 MiB maker text through every export
// Memory is the process's committed private memory, found by walking the
// address space with VirtualQuery.
//
//   stress_host <Zentavo2.dll> <constant library .dll> <maker strings file>
//
// Ends with "N passed, M failed"; exit code 0 only when every target is met.
#include <windows.h>

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <vector>

#include "tests/dll/exports.h"

namespace {

int g_passed = 0, g_failed = 0;

void target(bool met, const char* figure) {
    met ? ++g_passed : ++g_failed;
    std::printf("  %s %s\n", met ? "met:   " : "MISSED:", figure);
}

long long committed_private_bytes() {
    long long total = 0;
    MEMORY_BASIC_INFORMATION info;
    for (const char* at = nullptr; VirtualQuery(at, &info, sizeof info) == sizeof info;
         at = static_cast<const char*>(info.BaseAddress) + info.RegionSize)
        if (info.State == MEM_COMMIT && info.Type == MEM_PRIVATE) total += static_cast<long long>(info.RegionSize);
    return total;
}

constexpr long long kKiB = 1024;

// A thread that runs `body`, which must outlive it.
template <typename Body>
DWORD WINAPI run_body(void* body) {
    (*static_cast<Body*>(body))();
    return 0;
}
template <typename Body>
HANDLE start_thread(Body& body) {
    return CreateThread(nullptr, 0, run_body<Body>, &body, 0, nullptr);
}

template <typename Body>
void run_threads(int count, Body body) {
    std::vector<HANDLE> threads;
    std::vector<Body> bodies(count, body);
    for (int i = 0; i < count; ++i) threads.push_back(start_thread(bodies[i]));
    WaitForMultipleObjects(static_cast<DWORD>(threads.size()), threads.data(), TRUE, INFINITE);
    for (HANDLE t : threads) CloseHandle(t);
}

// One call of one export, and what a single thread got for it.
struct Call {
    int kind;  // 0..6
    std::string input;
    std::string expected;
};

const char* perform(const Exports& dll, int kind, const char* input) {
    switch (kind) {
    case 0: return dll.vendor_cn(input, 0);
    case 1: return dll.vendor_cn(input, 1);
    case 2: return dll.vendor_en(input, 0);
    case 3: return dll.vendor_en(input, 257);
    case 4: return dll.pic_cn(input);
    case 5: return dll.pic_en(input);
    default: return dll.url(input, kind == 6 ? 1 : 0);
    }
}

std::vector<Call> make_calls(const Exports& dll, const std::vector<std::string>& makers) {
    std::vector<Call> calls;
    for (const std::string& maker : makers) {
        for (int kind : {0, 1, 2, 3}) calls.push_back({kind, maker, perform(dll, kind, maker.c_str())});
        const std::string chinese = dll.vendor_cn(maker.c_str(), 0), english = dll.vendor_en(maker.c_str(), 0);
        calls.push_back({4, chinese, dll.pic_cn(chinese.c_str())});
        calls.push_back({5, english, dll.pic_en(english.c_str())});
        const std::string logo = dll.pic_en(english.c_str());
        calls.push_back({6, logo.empty() ? maker : logo, dll.url(logo.empty() ? maker.c_str() : logo.c_str(), 1)});
    }
    return calls;
}

void threads_figure(const Exports& dll, const std::vector<Call>& calls) {
    constexpr int kThreads = 8;
    constexpr long kCallsPerThread = 125000;
    std::atomic<long> wrong{0}, done{0}, next_start{0};
    run_threads(kThreads, [&] {
        const long start = next_start.fetch_add(977);
        long bad = 0;
        for (long i = 0; i < kCallsPerThread; ++i) {
            const Call& call = calls[static_cast<std::size_t>(start + i) % calls.size()];
            const char* result = perform(dll, call.kind, call.input.c_str());
            if (!result || call.expected != result) ++bad;
        }
        wrong += bad;
        done += kCallsPerThread;
    });
    std::printf("threads: %d threads, %ld calls, %ld wrong results\n", kThreads, done.load(), wrong.load());
    target(wrong == 0 && done >= 1000000, "0 wrong results in at least 1,000,000 calls");
}

void churn_figure(const Exports& dll) {
    const long long before = committed_private_bytes();
    std::atomic<int> serial{0};
    for (int batch = 0; batch < 375; ++batch)
        run_threads(8, [&] {
            const std::string maker = "ASUSTeK Computer " + std::to_string(serial++);
            dll.vendor_cn(maker.c_str(), 1);
            dll.vendor_en(maker.c_str(), 1);
            dll.pic_cn("Dell");
            dll.pic_en("Dell");
            dll.url(maker.c_str(), 0);
        });
    const long long growth = committed_private_bytes() - before;
    std::printf("churn: %d short-lived threads, committed private memory grew by %lld KiB\n", serial.load(),
                growth / kKiB);
    target(serial == 3000 && growth <= 256 * kKiB, "at most 256 KiB growth after 3,000 threads");
}

void repeat_figure(const Exports& dll, long calls) {
    // Warm up, so the thread's result storage has its working size.
    dll.vendor_en("Warm up Inc.", 1);
    const long long before = committed_private_bytes();
    char maker[64];
    for (long i = 0; i < calls; ++i) {
        std::snprintf(maker, sizeof maker, "%s %ld", i % 2 ? "Dell" : "Unknown Maker", i);
        perform(dll, static_cast<int>(i % 8), maker);
    }
    const long long growth = committed_private_bytes() - before;
    std::printf("repeat: %ld calls with distinct maker texts, committed private memory grew by %lld KiB\n", calls,
                growth / kKiB);
    target(growth <= 256 * kKiB, "at most 256 KiB growth");
}

// Loads the library, lets 4 threads call it and wait, unloads it under them,
// then lets them end; returns the memory growth over the cycles.
long long unload_cycles(const char* path, int cycles) {
    // One cycle first: whatever the loader keeps after the first load is not growth.
    const auto cycle = [&] {
        HMODULE dll = LoadLibraryA(path);
        if (!dll) return false;
        const Exports e = exports_by_name(dll);
        HANDLE go_on = CreateEventA(nullptr, TRUE, FALSE, nullptr);
        std::atomic<int> called{0};
        auto work = [&] {
            const std::string maker = "Kingston Technology " + std::to_string(called.load());
            e.vendor_cn(maker.c_str(), 1);
            e.vendor_en(maker.c_str(), 1);
            e.pic_en("Kingston");
            e.url("Unknown", 1);
            ++called;
            WaitForSingleObject(go_on, INFINITE);
        };
        std::vector<decltype(work)> bodies(4, work);
        std::vector<HANDLE> threads;
        for (auto& body : bodies) threads.push_back(start_thread(body));
        while (called < 4) Sleep(0);
        FreeLibrary(dll);  // the threads still live, holding results
        SetEvent(go_on);
        WaitForMultipleObjects(4, threads.data(), TRUE, INFINITE);
        for (HANDLE t : threads) CloseHandle(t);
        CloseHandle(go_on);
        return true;
    };
    if (!cycle()) return -1;
    const long long before = committed_private_bytes();
    for (int i = 0; i < cycles; ++i)
        if (!cycle()) return -1;
    return committed_private_bytes() - before;
}

void unload_figure(const char* library, const char* constants) {
    const long long growth = unload_cycles(library, 200);
    const long long baseline = unload_cycles(constants, 200);
    std::printf("unload: 200 cycles survived; growth %lld KiB (a library of constants: %lld KiB)\n",
                growth / kKiB, baseline / kKiB);
    target(growth >= 0 && baseline >= 0 && growth <= baseline + 256 * kKiB,
           "no more growth than a library of constants, plus 256 KiB");
}

// Samples committed private memory while `body` runs and returns the peak.
template <typename Body>
long long peak_during(Body body) {
    std::atomic<bool> running{true};
    std::atomic<long long> peak{committed_private_bytes()};
    auto sample = [&] {
        while (running) {
            const long long now = committed_private_bytes();
            if (now > peak) peak = now;
            Sleep(1);
        }
    };
    HANDLE thread = start_thread(sample);
    body();
    running = false;
    WaitForSingleObject(thread, INFINITE);
    CloseHandle(thread);
    return std::max(peak.load(), committed_private_bytes());
}

void long_figure(const Exports& dll, bool sample) {
    constexpr std::size_t kSize = 64u << 20;
    struct Case { const char* what; std::string prefix; int kind; std::string expected_prefix; std::size_t size; };
    const std::string fujitsu = dll.vendor_en("Fujitsu Siemens", 0);
    const Case cases[] = {
        {"GetPCVendor_En, compound", "Fujitsu Siemens ", 2, fujitsu + " ", kSize},
        {"GetPCVendor_En, KeepRest 1", "Dell ", 3, "Dell ", kSize},
        {"GetPCVendor_Cn, KeepRest 0", "Dell ", 0, dll.vendor_cn("Dell", 0), 0},
        {"GetPCVendor_Cn, KeepRest 1", "x", 1, "x", kSize},
        {"GetVendorPic_En", "Dell ", 5, "Dell", 0},
        {"GetVendorPic_Cn", "Dell ", 4, "", 0},
        {"GetVendorURL", "INTEL", 7, "INTEL", kSize},
    };
    long long worst = 0;
    int wrong = 0;
    for (const Case& c : cases) {
        std::string maker = c.prefix;
        maker.resize(kSize, 'x');
        const long long before = committed_private_bytes();
        const char* result = nullptr;
        const long long peak = sample ? peak_during([&] { result = perform(dll, c.kind, maker.c_str()); })
                                      : (result = perform(dll, c.kind, maker.c_str()), committed_private_bytes());
        const std::string_view got = result ? result : "";
        const bool right = got.size() == (c.size ? c.size : c.expected_prefix.size()) &&
                           got.substr(0, c.expected_prefix.size()) == c.expected_prefix;
        if (!right) {
            ++wrong;
            std::printf("  wrong result: %s\n", c.what);
        }
        worst = std::max(worst, peak - before);
        dll.vendor_en("small", 0);  // the next call gives the large result storage back
    }
    std::printf("long: a 64 MiB maker text through every export: %d wrong; peak extra memory %.2fx the input%s\n",
                wrong, static_cast<double>(worst) / kSize, sample ? "" : " (after each call; no sampling here)");
    target(wrong == 0 && worst <= 4 * static_cast<long long>(kSize), "the defined results, peak at most 4x the input");
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 4) {
        std::fprintf(stderr, "usage: stress_host <Zentavo2.dll> <constant library .dll> <maker strings>\n");
        return 2;
    }
    std::vector<std::string> makers;
    std::ifstream file(argv[3]);
    for (std::string line; std::getline(file, line);)
        if (!line.empty()) makers.push_back(line);
    std::printf("ANSI code page %u, %zu maker strings, %s\n", GetACP(), makers.size(), argv[1]);

    HMODULE dll = LoadLibraryA(argv[1]);
    if (!dll || makers.empty()) {
        std::printf("FAILED: cannot load %s or read %s\n0 passed, 1 failed\n", argv[1], argv[3]);
        return 1;
    }
    const Exports exports = exports_by_name(dll);

    // Wine under qemu's 32-bit emulation cannot run threads side by side.
    const bool threads = std::getenv("ZENTAVO2_EMULATED_32BIT") == nullptr;
    if (threads) {
        threads_figure(exports, make_calls(exports, makers));
        churn_figure(exports);
    } else {
        std::printf("threads, churn, unload: skipped, 32-bit code is emulated here\n");
    }
    repeat_figure(exports, 2000000);
    long_figure(exports, threads);
    FreeLibrary(dll);
    if (threads) unload_figure(argv[1], argv[2]);

    std::printf("%d passed, %d failed\n", g_passed, g_failed);
    return g_failed == 0 ? 0 : 1;
}
