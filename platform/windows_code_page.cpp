#include <windows.h>

#include <cstring>

#include "platform/process_code_page.h"

// The module this code is linked into: its string table holds the names,
// whichever program loaded it.
extern "C" IMAGE_DOS_HEADER __ImageBase;

namespace zentavo {
namespace {

// Every entry loaded with LoadStringA once, at the first lookup that needs
// one: 18 characters at most, 3 bytes each even where the ANSI code page is
// UTF-8, fit a slot of 64 bytes.
struct LoadedTable {
    static constexpr std::size_t kSlot = 64;
    char text[kStringTableEntries][kSlot];
    std::string_view entries[kStringTableEntries];
};
// Each name's UTF-8 source is at least as long as the name in any ANSI code page.
#define DISPLAY_NAME(identifier, text) static_assert(sizeof(text) - 1 <= LoadedTable::kSlot);
#include "res/display_names.inc"
#undef DISPLAY_NAME

LoadedTable g_table;
INIT_ONCE g_table_loaded = INIT_ONCE_STATIC_INIT;

BOOL CALLBACK load_table(PINIT_ONCE, PVOID, PVOID*) {
    char buffer[kLoadBufferSize];
    for (std::size_t i = 0; i < kStringTableEntries; ++i) {
        const int length = LoadStringA(reinterpret_cast<HINSTANCE>(&__ImageBase), static_cast<UINT>(i + 1),
                                       buffer, static_cast<int>(sizeof buffer));
        const std::size_t kept = length > 0 ? static_cast<std::size_t>(length) : 0;
        std::memcpy(g_table.text[i], buffer, kept);
        g_table.entries[i] = std::string_view(g_table.text[i], kept);
    }
    return TRUE;
}

class WindowsCodePage final : public CodePage {
public:
    std::span<const std::string_view> string_table() const override {
        InitOnceExecuteOnce(&g_table_loaded, load_table, nullptr, nullptr);
        return g_table.entries;
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
