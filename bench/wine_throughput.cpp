// The throughput of Zentavo2.dll as a host sees it: loaded by file name, its
// exports resolved by name, called over the fixture of maker strings in the
// process's ANSI code page (tools/wine_run.sh chooses it).
//
//   wine_throughput <fixture> [rounds]      (default 21)
//
// After one untimed pass of each export, every round times one pass of each
// export over every line, the exports taking turns, so that a pause of the
// machine spoils one sample of each rather than all samples of one.  The
// figures are the median pass's ns per call and calls per second.
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

// One pass of `Call` over `inputs`, timed: ns per call.
template <auto Call>
double timed_pass(const Exports& e, const std::vector<const char*>& inputs) {
    unsigned checksum = 0;
    const double start = seconds_now();
    for (const char* input : inputs) checksum += static_cast<unsigned char>(*Call(e, input));
    const double seconds = seconds_now() - start;
    g_checksum = g_checksum + checksum;
    return seconds * 1e9 / static_cast<double>(inputs.size());
}

struct Case {
    const char* name;
    bool given_chinese_names;  // else the maker strings
    double (*pass)(const Exports&, const std::vector<const char*>&);
    std::vector<double> ns_per_call{};
};

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: wine_throughput <fixture> [repetitions]\n");
        return 2;
    }
    const std::vector<std::string> lines = read_lines(argv[1]);
    const int rounds = argc > 2 ? std::max(1, std::atoi(argv[2])) : 21;
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

    Case cases[] = {
        {"GetPCVendor_Cn KeepRest=0", false, timed_pass<[](const Exports& e, const char* m) { return e.vendor_cn(m, 0); }>},
        {"GetPCVendor_Cn KeepRest=1", false, timed_pass<[](const Exports& e, const char* m) { return e.vendor_cn(m, 1); }>},
        {"GetPCVendor_En KeepRest=0", false, timed_pass<[](const Exports& e, const char* m) { return e.vendor_en(m, 0); }>},
        {"GetPCVendor_En KeepRest=1", false, timed_pass<[](const Exports& e, const char* m) { return e.vendor_en(m, 1); }>},
        {"GetVendorPic_Cn", true, timed_pass<[](const Exports& e, const char* m) { return e.pic_cn(m); }>},
        {"GetVendorPic_En", false, timed_pass<[](const Exports& e, const char* m) { return e.pic_en(m); }>},
        {"GetVendorURL Language=0", false, timed_pass<[](const Exports& e, const char* m) { return e.url(m, 0); }>},
        {"GetVendorURL Language=1", false, timed_pass<[](const Exports& e, const char* m) { return e.url(m, 1); }>},
    };
    const auto inputs_of = [&](const Case& c) -> const std::vector<const char*>& {
        return c.given_chinese_names ? chinese_names : makers;
    };
    for (Case& c : cases) c.pass(exports, inputs_of(c));
    for (int round = 0; round < rounds; ++round)
        for (Case& c : cases) c.ns_per_call.push_back(c.pass(exports, inputs_of(c)));

    std::printf("Zentavo2.dll, %d-bit, code page %u: %zu maker strings, median of %d passes%s\n",
                static_cast<int>(sizeof(void*) * 8), GetACP(), makers.size(), rounds,
                std::getenv("ZENTAVO2_EMULATED_32BIT") ? " (32-bit code emulated by qemu here: not representative)" : "");
    std::printf("%-28s %10s %14s\n", "export", "ns/call", "calls/s");
    for (Case& c : cases) {
        const auto middle = c.ns_per_call.begin() + rounds / 2;
        std::nth_element(c.ns_per_call.begin(), middle, c.ns_per_call.end());
        std::printf("%-28s %10.1f %14.0f\n", c.name, *middle, 1e9 / *middle);
    }
    FreeLibrary(dll);
}
