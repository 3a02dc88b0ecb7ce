// The throughput of Zentavo2.dll as a host sees it: loaded by file name, its
// exports resolved by name, called over the fixture of maker strings in the
// process's ANSI code page (tools/wine_run.sh chooses it).
//
//   wine_throughput <fixture> [repetitions]      (default 15)
//
// Each repetition is one pass over every line, after one untimed pass; the
// figures are the median repetition's ns per call and calls per second.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <vector>

#include "bench/input.h"
#include "tests/dll/exports.h"

namespace {

double seconds_now() {
    static const double ticks_per_second = [] {
        LARGE_INTEGER frequency;
        QueryPerformanceFrequency(&frequency);
        return static_cast<double>(frequency.QuadPart);
    }();
    LARGE_INTEGER now;
    QueryPerformanceCounter(&now);
    return static_cast<double>(now.QuadPart) / ticks_per_second;
}

// Sums the first byte of every result, so no call can be left out.
volatile unsigned g_checksum = 0;

template <class Call>
void measure(const char* name, const std::vector<const char*>& inputs, int repetitions, Call call) {
    unsigned checksum = 0;
    for (const char* input : inputs) checksum += static_cast<unsigned char>(*call(input));
    std::vector<double> ns_per_call;
    for (int repetition = 0; repetition < repetitions; ++repetition) {
        const double start = seconds_now();
        for (const char* input : inputs) checksum += static_cast<unsigned char>(*call(input));
        ns_per_call.push_back((seconds_now() - start) * 1e9 / static_cast<double>(inputs.size()));
    }
    g_checksum = g_checksum + checksum;
    std::nth_element(ns_per_call.begin(), ns_per_call.begin() + repetitions / 2, ns_per_call.end());
    const double median = ns_per_call[repetitions / 2];
    std::printf("%-28s %10.1f %14.0f\n", name, median, 1e9 / median);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: wine_throughput <fixture> [repetitions]\n");
        return 2;
    }
    const std::vector<std::string> lines = read_lines(argv[1]);
    const int repetitions = argc > 2 ? std::max(1, std::atoi(argv[2])) : 15;
    if (lines.empty()) {
        std::fprintf(stderr, "wine_throughput: no maker strings in %s\n", argv[1]);
        return 1;
    }
    HMODULE dll = LoadLibraryA("Zentavo2.dll");
    if (!dll) {
        std::fprintf(stderr, "wine_throughput: cannot load Zentavo2.dll (error %lu)\n", GetLastError());
        return 1;
    }
    const Exports exports = exports_by_name(dll);
    if (!exports.url || !exports.vendor_cn || !exports.vendor_en || !exports.pic_cn || !exports.pic_en) {
        std::fprintf(stderr, "wine_throughput: Zentavo2.dll lacks an export\n");
        return 1;
    }

    const std::vector<const char*> makers = pointers(lines);
    // GetVendorPic_Cn is given what GetPCVendor_Cn returns in this code page.
    std::vector<std::string> chinese_name_texts;
    for (const char* maker : makers) chinese_name_texts.emplace_back(exports.vendor_cn(maker, 0));
    const std::vector<const char*> chinese_names = pointers(chinese_name_texts);

    std::printf("Zentavo2.dll, %d-bit, code page %u: %zu maker strings, median of %d passes%s\n",
                static_cast<int>(sizeof(void*) * 8), GetACP(), makers.size(), repetitions,
                std::getenv("ZENTAVO2_EMULATED_32BIT") ? " (32-bit code emulated by qemu here: not representative)" : "");
    std::printf("%-28s %10s %14s\n", "export", "ns/call", "calls/s");
    const auto& e = exports;
    measure("GetPCVendor_Cn KeepRest=0", makers, repetitions, [&](const char* m) { return e.vendor_cn(m, 0); });
    measure("GetPCVendor_Cn KeepRest=1", makers, repetitions, [&](const char* m) { return e.vendor_cn(m, 1); });
    measure("GetPCVendor_En KeepRest=0", makers, repetitions, [&](const char* m) { return e.vendor_en(m, 0); });
    measure("GetPCVendor_En KeepRest=1", makers, repetitions, [&](const char* m) { return e.vendor_en(m, 1); });
    measure("GetVendorPic_Cn", chinese_names, repetitions, [&](const char* m) { return e.pic_cn(m); });
    measure("GetVendorPic_En", makers, repetitions, [&](const char* m) { return e.pic_en(m); });
    measure("GetVendorURL Language=0", makers, repetitions, [&](const char* m) { return e.url(m, 0); });
    measure("GetVendorURL Language=1", makers, repetitions, [&](const char* m) { return e.url(m, 1); });
    FreeLibrary(dll);
}
