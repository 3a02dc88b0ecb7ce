// Memory runs out in the middle of a call: every export still returns a
// readable, NUL-terminated text, leaks nothing (LeakSanitizer watches the
// sanitizer build) and answers normally on the next call.
//
// The test binary is linked with --wrap=malloc, so each malloc of the library
// comes here first; the n-th one of an armed call fails.
#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <functional>
#include <string>
#include <thread>

#include "export/entry_points.h"
#include "include/zentavo2.h"
#include "platform/portable_code_page.h"

namespace {

thread_local long t_fail_at = 0;  // 0: no allocation fails
thread_local long t_allocations = 0;

}  // namespace

extern "C" void* __real_malloc(std::size_t size);
extern "C" void* __wrap_malloc(std::size_t size) {
    if (t_fail_at > 0 && ++t_allocations == t_fail_at) return nullptr;
    return __real_malloc(size);
}

namespace zentavo {
namespace {

using Call = std::function<const char*()>;

// Runs `call` on a fresh thread (so it starts with no result storage), with
// its n-th allocation failing; returns the result copied, and how many
// allocations the call asked for.
std::pair<std::string, long> run_failing_at(long n, const Call& call) {
    std::string result = "<null>";
    long allocations = 0;
    std::thread([&] {
        t_fail_at = n;
        t_allocations = 0;
        const char* text = call();
        allocations = t_allocations;
        t_fail_at = 0;
        if (text) result = std::string(text, std::strlen(text));
        const char* again = call();  // memory is back: the normal answer
        if (again) result += "|" + std::string(again);
    }).join();
    return {result, allocations};
}

TEST(AllocationFailure, EveryExportDegradesToAReadableTextAndRecovers) {
    static const PortableCodePage cp936(936);
    const std::string long_tail(300, 'x');
    const std::string compound = "Fujitsu Siemens " + long_tail;  // working copies beyond the inline buffer
    const std::string long_rest = "Dell " + std::string(1 << 20, 'y');
    struct Named { std::string what; Call call; bool allocates = true; };
    const Named calls[] = {
        {"name, keep rest", [] { return vendor_name("DELL Inc.", 1, Language::Chinese, cp936); }},
        {"name", [] { return vendor_name("ASUSTeK Computer INC.", 0, Language::English, cp936); }},
        {"compound", [&] { return vendor_name(compound.c_str(), 0, Language::Chinese, cp936); }},
        {"long rest", [&] { return vendor_name(long_rest.c_str(), 1, Language::English, cp936); }},
        {"logo", [] { return vendor_logo("Dell", Language::English, cp936); }, false},
        {"home page", [] { return vendor_home_page("intel", 1); }, false},
        {"home page fallback", [] { return vendor_home_page("Dell", 0); }},
        {"exported", [] { return GetPCVendor_En("Kingston Technology", 1); }},
    };
    for (const auto& [what, call, allocates] : calls) {
        const std::string normal = run_failing_at(0, call).first;
        const std::string expected_again = normal.substr(normal.find('|') + 1);
        long n = 1;
        for (;; ++n) {
            const auto [result, allocations] = run_failing_at(n, call);
            SCOPED_TRACE(what + ", allocation " + std::to_string(n) + " fails");
            ASSERT_NE(result, "<null>");
            const std::string first = result.substr(0, result.find('|'));
            EXPECT_TRUE(first.empty() || first == expected_again) << first.substr(0, 60);
            EXPECT_EQ(result.substr(result.find('|') + 1), expected_again);
            if (allocations < n) break;  // the call did not reach an n-th allocation
        }
        EXPECT_EQ(n > 1, allocates) << what << ": " << n - 1 << " allocations";
    }
}

}  // namespace
}  // namespace zentavo
