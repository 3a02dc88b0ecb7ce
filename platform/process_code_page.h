// The code page of the running process: on Windows its ANSI code page, elsewhere
// the charset of the process's locale (GBK/GB18030 as 936, UTF-8 as 65001,
// anything else as 1252).
#pragma once

#include "platform/code_page.h"

namespace zentavo {

const CodePage& process_code_page();

}  // namespace zentavo
