// The five exports over the fixture of real maker strings, in the emulated
// code pages 936 and 1252: nanoseconds and calls per second, and heap
// allocations per call once the thread's result storage has grown.
//
//   zentavo2_bench [--benchmark_... flags] [fixture]
//
// One benchmark iteration is one pass over every line of the fixture
// (bench/data/maker_strings.txt unless another file is named).  Names read
// Export[/Argument]/cp<code page>, so --benchmark_filter=cp936 picks one.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <string>
#include <vector>

#include "bench/allocation_count.h"
#include "bench/input.h"
#include "export/entry_points.h"
#include "platform/portable_code_page.h"

namespace {

using zentavo::Language;

// Calls `call` on every input, once per iteration, after one untimed pass
// that lets the result storage reach its steady size.
template <class Call>
void over_inputs(benchmark::State& state, const std::vector<const char*>& inputs, Call call) {
    for (const char* input : inputs) benchmark::DoNotOptimize(call(input));
    const std::uint64_t allocations_before = bench::allocation_count();
    for (auto _ : state)
        for (const char* input : inputs) benchmark::DoNotOptimize(call(input));
    const std::uint64_t allocations = bench::allocation_count() - allocations_before;

    using benchmark::Counter;
    const double calls = static_cast<double>(inputs.size());
    state.counters["calls/s"] = Counter(calls, Counter::kIsIterationInvariantRate);
    // The inverted rate: seconds per call (shown as "ns").
    state.counters["time/call"] = Counter(calls, Counter::kIsIterationInvariantRate | Counter::kInvert);
    state.counters["allocs/call"] = static_cast<double>(allocations) / (calls * static_cast<double>(state.iterations()));
}

// Everything one code page's benchmarks read; built before any timing.
struct CodePageSet {
    CodePageSet(unsigned number, const std::vector<std::string>& lines)
        : number(number), code_page(number), makers(pointers(lines)) {
        // GetVendorPic_Cn is given what GetPCVendor_Cn returns in this code page.
        for (const char* maker : makers)
            chinese_name_texts.emplace_back(zentavo::vendor_name(maker, 0, Language::Chinese, code_page));
        chinese_names = pointers(chinese_name_texts);
    }
    CodePageSet(const CodePageSet&) = delete;  // chinese_names point into it

    unsigned number;
    zentavo::PortableCodePage code_page;
    std::vector<const char*> makers;
    std::vector<std::string> chinese_name_texts;
    std::vector<const char*> chinese_names;
};

void register_code_page(const CodePageSet& set) {
    const std::string suffix = "/cp" + std::to_string(set.number);
    const auto add = [&](const std::string& name, const std::vector<const char*>& inputs, auto call) {
        benchmark::RegisterBenchmark((name + suffix).c_str(),
                                     [&inputs, call](benchmark::State& state) { over_inputs(state, inputs, call); });
    };
    const zentavo::CodePage* cp = &set.code_page;
    for (int keep_rest : {0, 1}) {
        const std::string argument = "/KeepRest:" + std::to_string(keep_rest);
        add("GetPCVendor_Cn" + argument, set.makers,
            [cp, keep_rest](const char* m) { return zentavo::vendor_name(m, keep_rest, Language::Chinese, *cp); });
        add("GetPCVendor_En" + argument, set.makers,
            [cp, keep_rest](const char* m) { return zentavo::vendor_name(m, keep_rest, Language::English, *cp); });
    }
    add("GetVendorPic_Cn", set.chinese_names,
        [cp](const char* m) { return zentavo::vendor_logo(m, Language::Chinese, *cp); });
    add("GetVendorPic_En", set.makers, [cp](const char* m) { return zentavo::vendor_logo(m, Language::English, *cp); });
    for (int selector : {0, 1})
        add("GetVendorURL/Language:" + std::to_string(selector), set.makers,
            [selector](const char* m) { return zentavo::vendor_home_page(m, selector); });
}

}  // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    const char* fixture = argc > 1 ? argv[1] : ZENTAVO2_FIXTURE;
    const std::vector<std::string> lines = read_lines(fixture);
    if (lines.empty()) {
        std::fprintf(stderr, "zentavo2_bench: no maker strings in %s\n", fixture);
        return 1;
    }
    std::printf("%zu maker strings from %s\n", lines.size(), fixture);

    const CodePageSet sets[] = {{936, lines}, {1252, lines}};
    for (const CodePageSet& set : sets) register_code_page(set);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
}
