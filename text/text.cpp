#include "text/text.h"

#include <algorithm>

namespace zentavo::text {

std::string ascii_lower(std::string_view text) {
    std::string out(text);
    std::transform(out.begin(), out.end(), out.begin(), [](char c) { return ascii_lower(c); });
    return out;
}

std::string ascii_upper(std::string_view text) {
    std::string out(text);
    std::transform(out.begin(), out.end(), out.begin(), [](char c) { return ascii_upper(c); });
    return out;
}

std::string Joined::str() const {
    std::string out;
    out.reserve(size());
    for (auto piece : *this) out += piece;
    return out;
}

Joined delete_range(std::string_view text, long long start, long long count) {
    const auto length = static_cast<long long>(text.size());
    if (start < 1 || start > length || count <= 0) return {text};
    const long long head = start - 1;
    if (count >= length - head) return {text.substr(0, static_cast<std::size_t>(head))};
    return {text.substr(0, static_cast<std::size_t>(head)), text.substr(static_cast<std::size_t>(head + count))};
}

Joined replace_first_ignoring_case(std::string_view subject, std::string_view pattern,
                                   std::string_view replacement, const UpperCasing& casing) {
    if (subject.empty()) return {};
    if (pattern.empty() || pattern.size() > subject.size()) return {subject};

    std::string upper_subject(subject);
    std::string upper_pattern(pattern);
    casing.upper_case(upper_subject.data(), upper_subject.size());
    casing.upper_case(upper_pattern.data(), upper_pattern.size());
    const LeadBytes lead = casing.lead_bytes();

    // `run` counts the lead bytes standing right before `at`; an odd run means
    // `at` is the second byte of a double-byte character.
    const std::string_view haystack(upper_subject), needle(upper_pattern);
    std::size_t run = 0;
    for (std::size_t at = 0; at + needle.size() <= haystack.size(); ++at) {
        if (run % 2 == 0 && haystack.compare(at, needle.size(), needle) == 0)
            return {subject.substr(0, at), replacement, subject.substr(at + pattern.size())};
        run = lead[static_cast<unsigned char>(haystack[at])] ? run + 1 : 0;
    }
    return {subject};
}

}  // namespace zentavo::text
