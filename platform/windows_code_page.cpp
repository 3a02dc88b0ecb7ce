#include "platform/process_code_page.h"

#include <windows.h>

// The module this code is linked into: its string table holds the names,
// whichever program loaded it.
extern "C" IMAGE_DOS_HEADER __ImageBase;

namespace zentavo {
namespace {

class WindowsCodePage final : public CodePage {
public:
    std::string_view load_string(unsigned entry, NameBuffer& buffer) const override {
        const int length = LoadStringA(reinterpret_cast<HINSTANCE>(&__ImageBase), entry,
                                       buffer.data(), static_cast<int>(buffer.size()));
        return {buffer.data(), length > 0 ? static_cast<std::size_t>(length) : 0};
    }

    void upper_case(char* text, std::size_t length) const override {
        if (length > 0) CharUpperBuffA(text, static_cast<DWORD>(length));
    }

    text::LeadBytes lead_bytes() const override {
        text::LeadBytes lead;
        CPINFO info{};
        if (!GetCPInfo(CP_ACP, &info)) return lead;
        // Pairs of range bounds, ended by a pair of zeros.
        for (int i = 0; i + 1 < MAX_LEADBYTES && info.LeadByte[i] != 0; i += 2)
            for (unsigned b = info.LeadByte[i]; b <= info.LeadByte[i + 1]; ++b) lead.set(b);
        return lead;
    }
};

}  // namespace

const CodePage& process_code_page() {
    static constexpr WindowsCodePage instance;
    return instance;
}

}  // namespace zentavo
