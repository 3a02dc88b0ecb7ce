#include "text/text.h"

#include <cstdlib>
#include <cstring>

namespace zentavo::text {

Joined delete_range(std::string_view text, long long start, long long count) {
    const auto length = static_cast<long long>(text.size());
    if (start < 1 || start > length || count <= 0) return {text};
    const long long head = start - 1;
    const auto kept = first_bytes(text, static_cast<std::size_t>(head));
    if (count >= length - head) return {kept};
    return {kept, bytes_from(text, static_cast<std::size_t>(head + count))};
}

WorkingCopy::WorkingCopy(std::string_view text) noexcept
    : data_(text.size() < sizeof inline_ ? inline_ : static_cast<char*>(std::malloc(text.size() + 1))),
      size_(text.size()) {
    if (!data_) return;
    std::memcpy(data_, text.data(), size_);
    data_[size_] = '\0';
}

WorkingCopy::~WorkingCopy() {
    if (data_ != inline_) std::free(data_);
}

std::optional<Joined> replace_first_ignoring_case(std::string_view subject, std::string_view pattern,
                                                  std::string_view replacement, const UpperCasing& casing) {
    if (subject.empty()) return Joined{};
    if (pattern.empty() || pattern.size() > subject.size()) return Joined{subject};

    WorkingCopy upper_subject(subject), upper_pattern(pattern);
    if (!upper_subject.ok() || !upper_pattern.ok()) return std::nullopt;
    casing.upper_case(upper_subject.data(), upper_subject.size());
    casing.upper_case(upper_pattern.data(), upper_pattern.size());
    const LeadBytes lead = casing.lead_bytes();

    // `run` counts the lead bytes standing right before `at`; an odd run means
    // `at` is the second byte of a double-byte character.
    const std::string_view haystack = upper_subject.view(), needle = upper_pattern.view();
    std::size_t run = 0;
    for (std::size_t at = 0; at + needle.size() <= haystack.size(); ++at) {
        if (run % 2 == 0 && std::memcmp(haystack.data() + at, needle.data(), needle.size()) == 0)
            return Joined{first_bytes(subject, at), replacement, bytes_from(subject, at + pattern.size())};
        run = lead[static_cast<unsigned char>(haystack[at])] ? run + 1 : 0;
    }
    return Joined{subject};
}

}  // namespace zentavo::text
