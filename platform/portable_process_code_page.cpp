#include <langinfo.h>

#include <string_view>

#include "platform/portable_code_page.h"
#include "platform/process_code_page.h"

namespace zentavo {
namespace {

unsigned code_page_of_locale() {
    const std::string_view charset = nl_langinfo(CODESET);
    if (charset == "GBK" || charset == "GB18030" || charset == "GB2312" || charset == "CP936") return 936;
    if (charset == "UTF-8") return 65001;
    return 1252;
}

}  // namespace

const CodePage& process_code_page() {
    static const PortableCodePage code_page(code_page_of_locale());
    return code_page;
}

}  // namespace zentavo
