// Text operations in which every rule list is written.
//
// Texts are 8-bit byte strings in the ANSI code page; lengths and positions
// count bytes, positions are 1-based and 0 means "not found".  Nothing here
// knows the platform: the case-insensitive replace gets its upper-casing and
// lead bytes from the caller.
#pragma once

#include <array>
#include <bitset>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace zentavo::text {

// The first `n` bytes of a text, and its bytes from 0-based offset `at` on;
// both clamp to the text (unlike string_view::substr, they never throw).
constexpr std::string_view first_bytes(std::string_view text, std::size_t n) {
    return {text.data(), n < text.size() ? n : text.size()};
}
constexpr std::string_view bytes_from(std::string_view text, std::size_t at) {
    return at < text.size() ? std::string_view(text.data() + at, text.size() - at) : std::string_view();
}

// 1-based position of the first occurrence of `pattern` in `subject`.
// 0 when it does not occur; an empty pattern is found nowhere.  Bytes are
// compared as they are: an occurrence may start on the second byte of a
// double-byte character.
constexpr std::size_t position(std::string_view subject, std::string_view pattern) {
    if (pattern.empty()) return 0;
    const auto at = subject.find(pattern);
    return at == std::string_view::npos ? 0 : at + 1;
}

constexpr bool begins_with(std::string_view subject, std::string_view key) {
    return !key.empty() && subject.starts_with(key);
}
constexpr bool contains(std::string_view subject, std::string_view key) {
    return position(subject, key) > 0;
}
constexpr bool found_past_start(std::string_view subject, std::string_view key) {
    return position(subject, key) >= 2;
}

// ASCII case mapping: only the 26 letters change, every other byte (also the
// second byte of a double-byte character) stays as it is.
constexpr char ascii_lower(char c) { return c >= 'A' && c <= 'Z' ? char(c + 0x20) : c; }
constexpr char ascii_upper(char c) { return c >= 'a' && c <= 'z' ? char(c - 0x20) : c; }

// The ASCII lower- or upper-casing of a text, read through without making the
// copy: the searches below see the folded bytes, while raw() is the text as
// passed, so whatever a result copies keeps its own letter case.
template <char (*Fold)(char)>
class Folded {
public:
    constexpr explicit Folded(std::string_view raw) : raw_(raw) {}
    constexpr std::string_view raw() const { return raw_; }
    constexpr std::size_t size() const { return raw_.size(); }
    constexpr Folded first(std::size_t n) const { return Folded(first_bytes(raw_, n)); }

    // Keys are already folded, so only the text side is mapped.
    constexpr bool equals(std::string_view key) const {
        return raw_.size() == key.size() && matches_at(0, key);
    }
    constexpr bool begins_with(std::string_view key) const {
        return !key.empty() && raw_.size() >= key.size() && matches_at(0, key);
    }
    constexpr std::size_t position(std::string_view key) const {
        if (key.empty() || key.size() > raw_.size()) return 0;
        for (std::size_t at = 0; at + key.size() <= raw_.size(); ++at)
            if (matches_at(at, key)) return at + 1;
        return 0;
    }
    constexpr bool contains(std::string_view key) const { return position(key) > 0; }

private:
    constexpr bool matches_at(std::size_t at, std::string_view key) const {
        for (std::size_t i = 0; i < key.size(); ++i)
            if (Fold(raw_[at + i]) != key[i]) return false;
        return true;
    }
    std::string_view raw_;
};
using AsciiLowered = Folded<ascii_lower>;
using AsciiUppered = Folded<ascii_upper>;

// The ASCII upper-casing of `subject` begins with that of `key`.
constexpr bool begins_with_ignoring_ascii_case(std::string_view subject, std::string_view key) {
    if (key.empty() || key.size() > subject.size()) return false;
    for (std::size_t i = 0; i < key.size(); ++i)
        if (ascii_upper(subject[i]) != ascii_upper(key[i])) return false;
    return true;
}

// Whole copies, for callers that want them (the rules read through the views above).
inline std::string ascii_lower(std::string_view text) {
    std::string out(text);
    for (char& c : out) c = ascii_lower(c);
    return out;
}
inline std::string ascii_upper(std::string_view text) {
    std::string out(text);
    for (char& c : out) c = ascii_upper(c);
    return out;
}

// A text made of up to four pieces put one after the other, first leftmost.
// The pieces are borrowed: joining copies nothing until the result is stored.
class Joined {
public:
    constexpr Joined() = default;
    constexpr Joined(std::initializer_list<std::string_view> pieces) {
        for (auto piece : pieces) append(piece);
    }
    constexpr void append(std::string_view piece) {
        if (!piece.empty() && count_ < pieces_.size()) pieces_[count_++] = piece;
    }
    constexpr std::size_t size() const {
        std::size_t n = 0;
        for (std::size_t i = 0; i < count_; ++i) n += pieces_[i].size();
        return n;
    }
    constexpr const std::string_view* begin() const { return pieces_.data(); }
    constexpr const std::string_view* end() const { return pieces_.data() + count_; }
    std::string str() const {
        std::string out;
        out.reserve(size());
        for (auto piece : *this) out += piece;
        return out;
    }

private:
    std::array<std::string_view, 4> pieces_{};
    std::size_t count_ = 0;
};

// Deletes `count` bytes at 1-based `start`: a range running past the end cuts
// the text at `start`; a start below 1 or past the end, or a count of 0 or
// less, leaves the text as it is.
Joined delete_range(std::string_view text, long long start, long long count);

// What the case-insensitive replace needs of the code page.
using LeadBytes = std::bitset<256>;
struct UpperCasing {
    virtual void upper_case(char* text, std::size_t length) const = 0;  // in place
    virtual LeadBytes lead_bytes() const = 0;
protected:
    ~UpperCasing() = default;
};

// A working copy of a text, held inline up to 256 bytes and on the heap
// beyond; ok() is false when the heap had no room for it.
class WorkingCopy {
public:
    explicit WorkingCopy(std::string_view text) noexcept;
    WorkingCopy(const WorkingCopy&) = delete;
    WorkingCopy& operator=(const WorkingCopy&) = delete;
    ~WorkingCopy();

    bool ok() const { return data_ != nullptr; }
    char* data() { return data_; }
    std::size_t size() const { return size_; }
    std::string_view view() const { return {data_, size_}; }

private:
    char inline_[256];
    char* data_;
    std::size_t size_;
};

// Replaces the first occurrence of `pattern` in `subject`, letter case
// ignored as the code page upper-cases, that begins on a character boundary.
// The bytes around the replacement are the subject's own.  An empty subject
// gives the empty text, an empty or absent pattern the subject unchanged.
// nullopt when there is no memory for the upper-cased working copies.
std::optional<Joined> replace_first_ignoring_case(std::string_view subject, std::string_view pattern,
                                                  std::string_view replacement, const UpperCasing& casing);

}  // namespace zentavo::text
