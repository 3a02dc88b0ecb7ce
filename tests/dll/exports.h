// The five exports of a loaded Zentavo2.dll (or of any library with the
// same exports), as the Windows test hosts hold them.
#pragma once

#include <windows.h>

#include "include/zentavo2.h"

struct Exports {
    decltype(&GetVendorURL) url = nullptr;
    decltype(&GetPCVendor_Cn) vendor_cn = nullptr;
    decltype(&GetPCVendor_En) vendor_en = nullptr;
    decltype(&GetVendorPic_Cn) pic_cn = nullptr;
    decltype(&GetVendorPic_En) pic_en = nullptr;
};

// An export as GetProcAddress finds it, by name or by MAKEINTRESOURCEA(ordinal).
template <typename Function>
Function find_export(HMODULE dll, const char* name) {
    return reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(dll, name)));
}

// All five by name; a member stays null where the library lacks the export.
inline Exports exports_by_name(HMODULE dll) {
    Exports e;
    e.url = find_export<decltype(e.url)>(dll, "GetVendorURL");
    e.vendor_cn = find_export<decltype(e.vendor_cn)>(dll, "GetPCVendor_Cn");
    e.vendor_en = find_export<decltype(e.vendor_en)>(dll, "GetPCVendor_En");
    e.pic_cn = find_export<decltype(e.pic_cn)>(dll, "GetVendorPic_Cn");
    e.pic_en = find_export<decltype(e.pic_en)>(dll, "GetVendorPic_En");
    return e;
}
