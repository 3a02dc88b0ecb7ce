#include <windows.h>

#include "tools/zentavo2/library.h"

namespace {

template <typename Function>
Function find(HMODULE module, const char* name) {
    return reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(module, name)));
}

std::string convert(const std::string& text, UINT from, UINT to) {
    if (text.empty() || from == to) return text;
    const int wide_size = MultiByteToWideChar(from, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
    std::wstring wide(wide_size, L'\0');
    MultiByteToWideChar(from, 0, text.data(), static_cast<int>(text.size()), wide.data(), wide_size);
    const int size = WideCharToMultiByte(to, 0, wide.data(), wide_size, nullptr, 0, nullptr, nullptr);
    std::string out(size, '\0');
    WideCharToMultiByte(to, 0, wide.data(), wide_size, out.data(), size, nullptr, nullptr);
    return out;
}

}  // namespace

// Loaded at run time by file name, as hosts load it.
Library::Library() {
    HMODULE module = LoadLibraryA("Zentavo2.dll");
    if (!module) {
        error_ = "cannot load Zentavo2.dll (error " + std::to_string(GetLastError()) + ")";
        return;
    }
    module_ = module;
    url = find<decltype(url)>(module, "GetVendorURL");
    vendor_cn = find<decltype(vendor_cn)>(module, "GetPCVendor_Cn");
    vendor_en = find<decltype(vendor_en)>(module, "GetPCVendor_En");
    pic_cn = find<decltype(pic_cn)>(module, "GetVendorPic_Cn");
    pic_en = find<decltype(pic_en)>(module, "GetVendorPic_En");
    if (!url || !vendor_cn || !vendor_en || !pic_cn || !pic_en) {
        error_ = "Zentavo2.dll lacks an export";
        url = nullptr;
    }
}

Library::~Library() {
    if (module_) FreeLibrary(static_cast<HMODULE>(module_));
}

std::string Library::to_utf8(const std::string& text) const { return convert(text, CP_ACP, CP_UTF8); }

// A console shows its own code page; a file or pipe gets the ANSI bytes.
std::string Library::for_terminal(const std::string& text) const {
    DWORD mode;
    if (!GetConsoleMode(GetStdHandle(STD_OUTPUT_HANDLE), &mode)) return text;
    return convert(text, GetACP(), GetConsoleOutputCP());
}

std::size_t Library::columns(const std::string& text) const { return text.size(); }
