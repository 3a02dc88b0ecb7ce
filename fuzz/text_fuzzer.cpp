// The text operations the rules are written in: searches, folded views,
// delete_range and the case-insensitive replace.
//
// Input: subject, pattern and replacement, each ended by a NUL; then eight
// bytes of the start and eight of the count for delete_range (little-endian,
// missing bytes 0).
#include <algorithm>
#include <cstdint>
#include <optional>
#include <string>

#include "fuzz/fuzz_support.h"
#include "text/text.h"

namespace {

using fuzz::expect;
using fuzz::Shown;
namespace text = zentavo::text;
using Fold = char (*)(char);

bool occurs_at(std::string_view subject, std::string_view pattern, std::size_t at) {
    return subject.substr(at).starts_with(pattern);
}

// Every piece of a joined result borrows from one of `sources`.
void check_borrowed(const text::Joined& joined, std::initializer_list<std::string_view> sources) {
    for (std::string_view piece : joined) {
        const bool borrowed = std::ranges::any_of(sources, [&](std::string_view source) {
            return piece.data() >= source.data() && piece.data() + piece.size() <= source.data() + source.size();
        });
        expect(borrowed, "a joined piece borrows from the texts given", {{"piece", piece}});
    }
}

// position() finds the first occurrence; the other searches agree with it.
void check_searches(std::string_view subject, std::string_view pattern) {
    const std::size_t found = text::position(subject, pattern);
    const Shown shown = {{"subject", subject}, {"pattern", pattern}};
    if (pattern.empty() || found == 0) {
        expect(pattern.empty() ? found == 0 : subject.find(pattern) == std::string_view::npos,
               "0 only for an empty pattern or one that does not occur", shown);
    } else {
        expect(found <= subject.size() && occurs_at(subject, pattern, found - 1), "the pattern occurs where found",
               shown);
        for (std::size_t at = 0; at + 1 < found; ++at)
            expect(!occurs_at(subject, pattern, at), "no earlier occurrence", shown);
    }
    expect(text::begins_with(subject, pattern) == (found == 1) && text::contains(subject, pattern) == (found > 0) &&
               text::found_past_start(subject, pattern) == (found >= 2),
           "begins_with, contains and found_past_start agree with position", shown);
}

// A folded view searches the folded text and hands back the raw one.
template <class View>
void check_view(std::string_view raw, std::string_view key, std::size_t n, Fold fold) {
    const View view(raw);
    const std::string folded = fuzz::ascii_folded(raw, fold), folded_key = fuzz::ascii_folded(key, fold);
    const Shown shown = {{"raw", raw}, {"folded key", folded_key}};
    expect(view.raw().data() == raw.data() && view.size() == raw.size(), "a view reads the text as passed", shown);
    expect(view.position(folded_key) == text::position(folded, folded_key) &&
               view.contains(folded_key) == text::contains(folded, folded_key) &&
               view.begins_with(folded_key) == text::begins_with(folded, folded_key) &&
               view.equals(folded_key) == (folded == folded_key),
           "a view searches as its folded copy does", shown);
    const View head = view.first(n);
    expect(head.raw() == text::first_bytes(raw, n) && head.raw().data() == raw.data(),
           "first(n) views the first n bytes (all of a shorter text)", shown);
}

void check_folding(std::string_view subject, std::string_view pattern, std::size_t n) {
    check_view<text::AsciiLowered>(subject, pattern, n, text::ascii_lower);
    check_view<text::AsciiUppered>(subject, pattern, n, text::ascii_upper);
    expect(text::begins_with_ignoring_ascii_case(subject, pattern) ==
               text::AsciiUppered(subject).begins_with(text::ascii_upper(pattern)),
           "begins_with_ignoring_ascii_case is begins_with on the upper-cased texts",
           {{"subject", subject}, {"pattern", pattern}});
}

void check_delete_range(std::string_view subject, long long start, long long count) {
    const text::Joined deleted = text::delete_range(subject, start, count);
    check_borrowed(deleted, {subject});
    const auto length = static_cast<long long>(subject.size());
    std::string expected(subject);
    if (start >= 1 && start <= length && count > 0)
        expected.erase(static_cast<std::size_t>(start - 1), static_cast<std::size_t>(std::min(count, length)));
    expect(deleted.str() == expected && deleted.size() == expected.size(),
           "delete_range removes the bytes from start on, as many as there are up to count",
           {{"subject", subject}, {"start", std::to_string(start)}, {"count", std::to_string(count)},
            {"result", deleted.str()}});
}

// The replace, in one code page.
class Replace {
public:
    explicit Replace(const zentavo::PortableCodePage& code_page)
        : code_page_(code_page), lead_(code_page.lead_bytes()) {}

    // Returns the result, for the caller to pass back in.
    std::string check(std::string_view subject, std::string_view pattern, std::string_view replacement) const {
        const auto replaced = text::replace_first_ignoring_case(subject, pattern, replacement, code_page_);
        const Shown shown = {{"subject", subject}, {"pattern", pattern}, {"replacement", replacement}};
        expect(replaced.has_value(), "working copies of short texts always fit", shown);
        check_borrowed(*replaced, {subject, replacement});
        const std::string result = replaced->str();
        if (subject.empty()) {
            expect(result.empty(), "an empty subject gives the empty text", shown);
            return result;
        }
        // The bytes around the replacement are the subject's own, and the
        // stretch replaced begins on a character boundary (it splits no
        // double-byte character) and is the pattern, letter case ignored.
        bool own_bytes_around = false, proper_occurrence = false;
        for (std::size_t at = 0; !pattern.empty() && at + pattern.size() <= subject.size(); ++at)
            if (splices(result, subject, at, pattern.size(), replacement)) {
                own_bytes_around = true;
                proper_occurrence = proper_occurrence || (on_boundary(subject, at) && matches_at(subject, pattern, at));
            }
        const Shown replaced_shown = {
            {"subject", subject}, {"pattern", pattern}, {"replacement", replacement}, {"result", result}};
        expect(result == subject || own_bytes_around,
               "the subject, or its own bytes around one replaced stretch of the pattern's length", replaced_shown);
        expect(result == subject || proper_occurrence,
               "the replaced stretch begins on a character boundary and is the pattern, letter case ignored",
               replaced_shown);
        // And it is the first such occurrence.
        const std::optional<std::size_t> first = first_occurrence(subject, pattern);
        const std::string expected = first ? spliced(subject, *first, pattern.size(), replacement) : std::string(subject);
        expect(result == expected, "the first occurrence on a character boundary is the one replaced",
               {{"subject", subject}, {"pattern", pattern}, {"result", result}, {"expected", expected}});
        return result;
    }

private:
    // `result` is `subject` with its `length` bytes at `at` replaced.
    static bool splices(std::string_view result, std::string_view subject, std::size_t at, std::size_t length,
                        std::string_view replacement) {
        return result.size() + length == subject.size() + replacement.size() &&
               result.starts_with(subject.substr(0, at)) && result.substr(at).starts_with(replacement) &&
               result.ends_with(subject.substr(at + length));
    }
    static std::string spliced(std::string_view subject, std::size_t at, std::size_t length,
                               std::string_view replacement) {
        return std::string(subject.substr(0, at)).append(replacement).append(subject.substr(at + length));
    }

    std::string upper(std::string_view text) const {
        std::string copy(text);
        code_page_.upper_case(copy.data(), copy.size());
        return copy;
    }

    // The lead bytes standing right before `at` pair up.
    bool on_boundary(std::string_view subject, std::size_t at) const {
        std::size_t run = 0;
        while (run < at && lead_[static_cast<unsigned char>(subject[at - 1 - run])]) ++run;
        return run % 2 == 0;
    }

    bool matches_at(std::string_view subject, std::string_view pattern, std::size_t at) const {
        return at + pattern.size() <= subject.size() && upper(subject.substr(at, pattern.size())) == upper(pattern);
    }

    std::optional<std::size_t> first_occurrence(std::string_view subject, std::string_view pattern) const {
        for (std::size_t at = 0; !pattern.empty() && at + pattern.size() <= subject.size(); ++at)
            if (on_boundary(subject, at) && matches_at(subject, pattern, at)) return at;
        return std::nullopt;
    }

    const zentavo::PortableCodePage& code_page_;
    text::LeadBytes lead_;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string_view input = fuzz::as_text(data, size);
    const std::string subject = fuzz::take_text(input);
    const std::string pattern = fuzz::take_text(input);
    const std::string replacement = fuzz::take_text(input);
    const auto start = fuzz::take_integer<long long>(input);
    const auto count = fuzz::take_integer<long long>(input);

    fuzz::current_case() = "searching";
    check_searches(subject, pattern);
    check_folding(subject, pattern, static_cast<std::size_t>(start));
    fuzz::current_case() = "deleting a range";
    check_delete_range(subject, start, count);
    for (const auto& code_page : fuzz::code_pages()) {
        fuzz::current_case() = "replacing in code page " + std::to_string(code_page.number());
        const Replace replace(code_page);
        const std::string result = replace.check(subject, pattern, replacement);
        replace.check(result, pattern, replacement);  // a result passed back in
    }
    return 0;
}
