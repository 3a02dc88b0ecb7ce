/* A host linked the MSVC way: compiled for the MSVC target and linked by
 * lld-link against Zentavo2.lib, with no C runtime at all (the three kernel32
 * functions it needs are declared here).  Prints the English name, logo key
 * and home page of one maker string, tab separated. */
#include "zentavo2.h"

typedef void* HANDLE;
typedef unsigned long DWORD;
__declspec(dllimport) HANDLE __stdcall GetStdHandle(DWORD handle);
__declspec(dllimport) int __stdcall WriteFile(HANDLE file, const void* data, DWORD size, DWORD* written, void* overlapped);
__declspec(dllimport) void __stdcall ExitProcess(unsigned code);

static void put(const char* text, char end) {
    DWORD length = 0, written;
    while (text[length]) ++length;
    HANDLE out = GetStdHandle((DWORD)-11);
    WriteFile(out, text, length, &written, 0);
    WriteFile(out, &end, 1, &written, 0);
}

void start(void) {
    put(GetPCVendor_En("ASUSTeK Computer INC.", 0), '\t');
    put(GetVendorPic_En("ASUSTeK"), '\t');
    put(GetVendorURL("asus", 1), '\n');
    ExitProcess(0);
}
