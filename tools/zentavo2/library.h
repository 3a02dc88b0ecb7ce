// How the zentavo2 tool reaches the library, and the charsets around it: the
// library answers in its code page (the locale's charset on Linux, the ANSI
// code page on Windows), the terminal may use another.
#pragma once

#include <cstddef>
#include <string>

#include "include/zentavo2.h"

class Library {
public:
    Library();  // Linux: adopts the environment's locale; Windows: loads Zentavo2.dll
    ~Library();
    Library(const Library&) = delete;
    Library& operator=(const Library&) = delete;

    bool loaded() const { return url != nullptr; }
    const std::string& error() const { return error_; }

    decltype(&GetVendorURL) url = nullptr;
    decltype(&GetPCVendor_Cn) vendor_cn = nullptr;
    decltype(&GetPCVendor_En) vendor_en = nullptr;
    decltype(&GetVendorPic_Cn) pic_cn = nullptr;
    decltype(&GetVendorPic_En) pic_en = nullptr;

    std::string to_utf8(const std::string& text) const;       // for JSON
    std::string for_terminal(const std::string& text) const;  // for the table
    std::size_t columns(const std::string& text) const;       // terminal columns it takes

private:
    void* module_ = nullptr;
    std::string error_;
};
