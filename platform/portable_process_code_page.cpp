#include <langinfo.h>

#include <string_view>

#include "platform/portable_code_page.h"
#include "platform/process_code_page.h"

namespace zentavo {

// The charset of the locale the process has set (setlocale), read at every
// call as a host may change it; each code page's names are converted once.
const CodePage& process_code_page() {
    const std::string_view charset = nl_langinfo(CODESET);
    if (charset == "GBK" || charset == "GB18030" || charset == "GB2312" || charset == "CP936") {
        static const PortableCodePage cp936(936);
        return cp936;
    }
    if (charset == "UTF-8") {
        static const PortableCodePage utf8(65001);
        return utf8;
    }
    static const PortableCodePage cp1252(1252);
    return cp1252;
}

}  // namespace zentavo
