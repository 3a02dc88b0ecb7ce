/* A C host of Zentavo2: the same source runs against libzentavo2.so on Linux
 * and against Zentavo2.dll (through its import library) on Windows.
 *
 * For each maker string (the arguments, or a few typical ones) it prints, tab
 * separated: maker, Chinese name, English name, the logo key of each, and the
 * home page of each logo key.  Results are copied before the next call, as
 * the library's contract asks. */
#include <locale.h>
#include <stdio.h>
#include <string.h>

#include "zentavo2.h"

static void copy(char* to, size_t size, const char* result) {
    strncpy(to, result, size - 1);
    to[size - 1] = '\0';
}

int main(int argc, char** argv) {
    static const char* typical[] = {"ASUSTeK Computer INC.", "Hewlett-Packard", "LENOVO",
                                    "Kingston", "To Be Filled By O.E.M."};
    const char** makers = argc > 1 ? (const char**)argv + 1 : typical;
    const int count = argc > 1 ? argc - 1 : (int)(sizeof typical / sizeof *typical);
    char chinese[256], english[256], logo_cn[64], logo_en[64], url_cn[512], url_en[512];

    setlocale(LC_ALL, ""); /* the library answers in the locale's charset (Linux) */
    for (int i = 0; i < count; ++i) {
        copy(chinese, sizeof chinese, GetPCVendor_Cn(makers[i], 0));
        copy(english, sizeof english, GetPCVendor_En(makers[i], 0));
        copy(logo_cn, sizeof logo_cn, GetVendorPic_Cn(chinese));
        copy(logo_en, sizeof logo_en, GetVendorPic_En(english));
        copy(url_cn, sizeof url_cn, GetVendorURL(logo_cn, 1));
        copy(url_en, sizeof url_en, GetVendorURL(logo_en, 0));
        printf("%s\t%s\t%s\t%s\t%s\t%s\t%s\n", makers[i], chinese, english, logo_cn, logo_en, url_cn, url_en);
    }
    return 0;
}
