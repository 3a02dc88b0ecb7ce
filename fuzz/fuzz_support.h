// What the fuzz harnesses share: the emulated code pages, the reading of a
// fuzz input, and the report of a property that does not hold.
//
// A fuzz input is a text up to its first NUL (texts reach the library
// NUL-terminated, so they hold no NUL), then, after that NUL, the next text
// or the raw parameter bytes.  Seed files are therefore mostly plain text.
#pragma once

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <initializer_list>
#include <span>
#include <string>
#include <string_view>
#include <utility>

#include "lookup/logo_table.h"
#include "platform/portable_code_page.h"

namespace fuzz {

// The code pages every harness runs in, made once.
inline std::span<const zentavo::PortableCodePage> code_pages() {
    static const zentavo::PortableCodePage pages[] = {
        zentavo::PortableCodePage(936), zentavo::PortableCodePage(1252), zentavo::PortableCodePage(65001)};
    return pages;
}

inline std::string_view as_text(const std::uint8_t* data, std::size_t size) {
    return {reinterpret_cast<const char*>(data), size};
}

// The bytes of `input` up to its first NUL; `input` moves past that NUL.
inline std::string take_text(std::string_view& input) {
    const std::size_t end = std::min(input.find('\0'), input.size());
    std::string text(input.substr(0, end));
    input.remove_prefix(std::min(end + 1, input.size()));
    return text;
}

// The next parameter bytes as a little-endian integer; missing bytes read as 0.
template <class Integer>
Integer take_integer(std::string_view& input) {
    unsigned char bytes[sizeof(Integer)] = {};
    const std::size_t n = std::min(sizeof bytes, input.size());
    std::memcpy(bytes, input.data(), n);
    input.remove_prefix(n);
    std::uint64_t value = 0;
    for (std::size_t i = sizeof bytes; i-- > 0;) value = value << 8 | bytes[i];
    return static_cast<Integer>(value);
}

inline std::string ascii_folded(std::string_view text, char (*fold)(char)) {
    std::string out(text);
    for (char& c : out) c = fold(c);
    return out;
}

inline bool is_logo_key(std::string_view text) {
    return std::ranges::any_of(zentavo::logo_table::kRows, [&](const auto& row) { return row.logo == text; });
}

// What is being checked, for the report: set by the harness as it goes.
inline std::string& current_case() {
    static std::string text;
    return text;
}

inline void print_bytes(const char* label, std::string_view bytes) {
    std::fprintf(stderr, "  %-12s \"", label);
    for (unsigned char c : bytes)
        if (c >= 0x20 && c < 0x7F && c != '"' && c != '\\') std::fputc(c, stderr);
        else std::fprintf(stderr, "\\x%02X", c);
    std::fprintf(stderr, "\" (%zu bytes)\n", bytes.size());
}

using Shown = std::initializer_list<std::pair<const char*, std::string_view>>;

// A property that must hold; when it does not, the texts involved are
// printed and the harness aborts, so that libFuzzer keeps the input.
inline void expect(bool holds, const char* property, Shown shown = {}) {
    if (holds) return;
    std::fprintf(stderr, "\nPROPERTY FAILED: %s\n  while %s\n", property, current_case().c_str());
    for (const auto& [label, bytes] : shown) print_bytes(label, bytes);
    std::abort();
}

// A result of an entry point: never null, and never `own`, a text the
// caller owns (null when the input is itself a result of the library).
inline std::string_view checked_result(const char* result, const char* own) {
    expect(result != nullptr, "a result is never null");
    if (own) expect(result != own, "a result belongs to the library, not to the caller", {{"input", own}});
    return result;
}

}  // namespace fuzz
