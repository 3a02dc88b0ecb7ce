// An emulated ANSI code page, so the rules run and are tested off Windows.
//
// Names come from a store of the same UTF-16 texts as the DLL's string table,
// converted once with iconv as LoadStringA converts them: every character the
// code page cannot hold becomes "?".  Upper-casing and lead bytes follow what
// Windows does for the same code page.
#pragma once

#include <string>
#include <vector>

#include "platform/code_page.h"

namespace zentavo {

class PortableCodePage final : public CodePage {
public:
    // 936 (simplified Chinese, GBK), 1252 (Western European) or 65001
    // (UTF-8).  Any other number is taken as 1252.
    explicit PortableCodePage(unsigned code_page);
    PortableCodePage(const PortableCodePage&) = delete;  // its entries view its own names
    PortableCodePage& operator=(const PortableCodePage&) = delete;

    unsigned number() const { return number_; }

    std::span<const std::string_view> string_table() const override { return entries_; }
    void upper_case(char* text, std::size_t length) const override;
    text::LeadBytes lead_bytes() const override;

private:
    unsigned number_;
    std::vector<std::string> names_;         // entry n at [n - 1]
    std::vector<std::string_view> entries_;  // views of names_, cut as LoadStringA cuts
};

}  // namespace zentavo
