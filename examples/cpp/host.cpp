// A C++ host of libzentavo2.so: what a maker string becomes in each language,
// with the result of every call copied into a std::string right away.
#include <clocale>
#include <iostream>
#include <string>
#include <vector>

#include "zentavo2.h"

struct Vendor {
    std::string name, logo, home_page;
};

static Vendor look_up(const std::string& maker, bool chinese) {
    Vendor vendor;
    vendor.name = (chinese ? GetPCVendor_Cn : GetPCVendor_En)(maker.c_str(), 0);
    vendor.logo = (chinese ? GetVendorPic_Cn : GetVendorPic_En)(vendor.name.c_str());
    vendor.home_page = GetVendorURL(vendor.logo.c_str(), chinese ? 1 : 0);
    return vendor;
}

int main(int argc, char** argv) {
    std::vector<std::string> makers(argv + 1, argv + argc);
    if (makers.empty())
        makers = {"ASUSTeK Computer INC.", "Hewlett-Packard", "LENOVO", "Kingston", "To Be Filled By O.E.M."};
    std::setlocale(LC_ALL, "");
    for (const auto& maker : makers) {
        const Vendor cn = look_up(maker, true), en = look_up(maker, false);
        std::cout << maker << '\t' << cn.name << '\t' << en.name << '\t' << cn.logo << '\t' << en.logo << '\t'
                  << cn.home_page << '\t' << en.home_page << '\n';
    }
}
