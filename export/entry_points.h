// What each export does, given the code page to work in.  The five exported
// functions call these with the process's code page; tests, benchmarks and
// fuzzers call them with an emulated one.
//
// Every result is NUL-terminated and never null: a constant text, or the
// calling thread's result storage (valid until its next call).
#pragma once

#include "lookup/display_names.h"
#include "platform/code_page.h"

namespace zentavo {

const char* vendor_name(const char* maker_text, int keep_rest, Language language, const CodePage& code_page) noexcept;
const char* vendor_logo(const char* maker_text, Language language, const CodePage& code_page) noexcept;
const char* vendor_home_page(const char* maker_text, int selector) noexcept;

}  // namespace zentavo
