// Loads Zentavo2.dll as a host does, by file name, and checks its exports
// from the outside: the export table, every export by name and by ordinal,
// and the bytes each returns in the process's ANSI code page.
//
//   dll_host <path of Zentavo2.dll> <expected ANSI code page>
//
// Ends with "N passed, M failed"; the exit code is 0 only when all passed.
#include <windows.h>

#include <climits>
#include <cstdio>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>
#include <vector>

#include "lookup/display_name_table.h"
#include "tests/dll/exports.h"
#include "lookup/home_page_table.h"
#include "lookup/logo_table.h"
#include "tests/display_name_cases.h"
#include "tests/logo_cases.h"

namespace {

int g_passed = 0, g_failed = 0;

std::string shown(std::string_view text) {
    std::string out;
    for (unsigned char c : text) {
        char hex[8];
        if (c >= 0x20 && c < 0x7F) out += static_cast<char>(c);
        else std::snprintf(hex, sizeof hex, "\\x%02X", c), out += hex;
    }
    return out.size() > 120 ? out.substr(0, 120) + "..." : out;
}

void check(bool ok, const std::string& what) {
    if (ok) {
        ++g_passed;
    } else {
        ++g_failed;
        std::printf("FAILED: %s\n", what.c_str());
    }
}

void check_text(const char* result, std::string_view expected, const std::string& what) {
    if (!result) return check(false, what + ": null result");
    check(std::string_view(result) == expected,
          what + ": got \"" + shown(result) + "\", expected \"" + shown(expected) + "\"");
}

// A UTF-8 text in the ANSI code page, as LoadStringA turns the string table's
// UTF-16 into it.
std::string in_ansi(std::string_view utf8) {
    if (utf8.empty()) return {};
    const int wide_len = MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), nullptr, 0);
    std::wstring wide(wide_len, L'\0');
    MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), wide.data(), wide_len);
    const int len = WideCharToMultiByte(CP_ACP, 0, wide.data(), wide_len, nullptr, 0, nullptr, nullptr);
    std::string out(len, '\0');
    WideCharToMultiByte(CP_ACP, 0, wide.data(), wide_len, out.data(), len, nullptr, nullptr);
    return out;
}

// --- The module as the loader sees it. ---

Exports find_exports(HMODULE dll) {
    const auto by_name = [&](const char* name) { return GetProcAddress(dll, name); };
    const auto by_ordinal = [&](int ordinal) { return GetProcAddress(dll, MAKEINTRESOURCEA(ordinal)); };
    const char* names[] = {"GetVendorURL", "GetPCVendor_Cn", "GetPCVendor_En", "GetVendorPic_Cn", "GetVendorPic_En"};
    for (int ordinal = 1; ordinal <= 5; ++ordinal) {
        const FARPROC named = by_name(names[ordinal - 1]);
        check(named != nullptr, std::string("export by name: ") + names[ordinal - 1]);
        check(named == by_ordinal(ordinal), std::string("ordinal ") + std::to_string(ordinal) + " is " + names[ordinal - 1]);
    }
    check(by_ordinal(6) == nullptr && by_ordinal(0) == nullptr, "no ordinal outside 1..5");
    check(by_name("_GetVendorURL@8") == nullptr && by_name("GetVendorURL@8") == nullptr, "no decorated names");
    Exports e;  // by ordinal, as some hosts call them
    e.url = find_export<decltype(e.url)>(dll, MAKEINTRESOURCEA(1));
    e.vendor_cn = find_export<decltype(e.vendor_cn)>(dll, MAKEINTRESOURCEA(2));
    e.vendor_en = find_export<decltype(e.vendor_en)>(dll, MAKEINTRESOURCEA(3));
    e.pic_cn = find_export<decltype(e.pic_cn)>(dll, MAKEINTRESOURCEA(4));
    e.pic_en = find_export<decltype(e.pic_en)>(dll, MAKEINTRESOURCEA(5));
    return e;
}

void check_export_directory(HMODULE dll) {
    const auto* base = reinterpret_cast<const BYTE*>(dll);
    const auto* dos = reinterpret_cast<const IMAGE_DOS_HEADER*>(base);
    const auto* nt = reinterpret_cast<const IMAGE_NT_HEADERS*>(base + dos->e_lfanew);
    const auto& entry = nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_EXPORT];
    const auto* exports = reinterpret_cast<const IMAGE_EXPORT_DIRECTORY*>(base + entry.VirtualAddress);
    check_text(reinterpret_cast<const char*>(base + exports->Name), "Zentavo2.dll", "export directory module name");
    check(exports->Base == 1 && exports->NumberOfFunctions == 5 && exports->NumberOfNames == 5,
          "exactly five exports, ordinals from 1");
}

// --- GetPCVendor_Cn and GetPCVendor_En. ---

void check_display_name_cases(const Exports& dll) {
    for (const auto& c : zentavo::kDisplayNameCases) {
        const std::string maker(c.maker);
        const auto expected = [&](std::string_view utf8) { return utf8 == zentavo::kSame ? maker : in_ansi(utf8); };
        const std::string what = "\"" + shown(maker) + "\" keep_rest=" + std::to_string(c.keep_rest);
        check_text(dll.vendor_cn(maker.c_str(), c.keep_rest), expected(c.chinese), "GetPCVendor_Cn " + what);
        check_text(dll.vendor_en(maker.c_str(), c.keep_rest), expected(c.english), "GetPCVendor_En " + what);
    }
}

// Every key of every row reaches its row's name as the string table holds it.
void check_every_row(const Exports& dll) {
    using namespace zentavo;
    const auto name_of = [](Name name) -> std::string {
        if (name == Name::Nec) return "NEC";
        return in_ansi(kNameSources[static_cast<std::size_t>(name)]);
    };
    for (const auto& row : display_name_table::kRows)
        for (const Key& key : row.keys) {
            std::string maker(key.text);
            for (char& c : maker) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
            if (row.match == Match::Contains) maker = "X" + maker + "Y z";
            if (row.match == Match::LeadWord) maker += " Corp";
            const std::string tail = row.match == Match::Compound ? maker.substr(key.text.size()) : "";
            const bool in_chinese = !key.english_only;
            const bool in_english = row.english != Name::None;
            check_text(dll.vendor_cn(maker.c_str(), 0), in_chinese ? name_of(row.chinese) + tail : maker,
                       "GetPCVendor_Cn row key " + maker);
            check_text(dll.vendor_en(maker.c_str(), 0), in_english ? name_of(row.english) + tail : maker,
                       "GetPCVendor_En row key " + maker);
        }
}

void check_keep_rest_low_byte(const Exports& dll) {
    struct { int value; bool keep; } values[] = {
        {0, false}, {1, true}, {255, true}, {256, false}, {257, true}, {static_cast<int>(0xFFFFFF00u), false},
        {-1, true},
    };
    for (const auto& v : values)
        check_text(dll.vendor_en("DELL", v.value), v.keep ? "Dell DELL" : "Dell",
                   "KeepRest " + std::to_string(static_cast<unsigned>(v.value)));
}

// --- GetVendorPic_Cn and GetVendorPic_En. ---

void check_logo_cases(const Exports& dll) {
    for (const auto& c : zentavo::kEnglishLogoCases)
        check_text(dll.pic_en(in_ansi(c.name).c_str()), c.logo, "GetVendorPic_En \"" + std::string(c.name) + "\"");
    if (GetACP() == 936) {
        for (const auto& c : zentavo::kChineseLogoCases)
            check_text(dll.pic_cn(in_ansi(c.name).c_str()), c.logo, "GetVendorPic_Cn " + shown(in_ansi(c.name)));
    } else {
        // Chinese names load as question marks: HP's "??" comes first and takes them all.
        check_text(dll.pic_cn(in_ansi("华硕").c_str()), "HP", "GetVendorPic_Cn of a Chinese name in code page 1252");
        check_text(dll.pic_cn("Alienware"), "Alienware", "GetVendorPic_Cn Alienware");
        check_text(dll.pic_cn("Dell"), "", "GetVendorPic_Cn Dell");
    }
    check(dll.pic_en("Dell") == dll.pic_en("Dell Inc."), "logo keys are constants of the library");
}

// --- GetVendorURL. ---

void check_home_pages(const Exports& dll) {
    const int international[] = {0, 2, -1, 257, INT_MIN, INT_MAX};
    for (const auto& row : zentavo::home_page_table::kRows) {
        std::string lower(row.key);
        for (char& c : lower) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        for (const std::string& key : {std::string(row.key), lower}) {
            const std::string chinese = row.chinese_edition == zentavo::HomePageRow::Chinese::MakerText
                                            ? key : std::string(row.chinese);
            check_text(dll.url(key.c_str(), 1), chinese, "GetVendorURL " + key + ", 1");
            for (int selector : international)
                check_text(dll.url(key.c_str(), selector), row.international,
                           "GetVendorURL " + key + ", " + std::to_string(selector));
        }
    }
    for (const char* key : {"Dell", "SAMSUNG", " INTEL", "INTEL ", "Intel Corporation", "\xBB\xAA\xCB\xB6"}) {
        const char* result = dll.url(key, 1);
        check_text(result, key, std::string("GetVendorURL falls back: ") + shown(key));
        check(result != key, std::string("GetVendorURL copies the maker text: ") + shown(key));
    }
}

// The whole road: maker string, display name, logo key, home page.
void check_road(const Exports& dll) {
    struct Road { const char* maker; const char* logo; const char* key; };
    const Road roads[] = {
        {"ASUSTeK Computer INC.", "ASUS", "ASUS"}, {"Dell Inc.", "Dell", nullptr},
        {"Hewlett-Packard", "HP", "HP"}, {"LENOVO", "Lenovo", "LENOVO"},
        {"Gigabyte Technology Co., Ltd.", "Gigabyte", "GIGABYTE"}, {"Micro-Star International", "MSI", "MSI"},
        {"Kingston", "Kingston", "KINGSTON"}, {"Western Digital", "wdc", "WDC"},
        {"Seagate", "seagate", "SEAGATE"}, {"A-DATA Technology", "AData", "ADATA"},
        {"ViewSonic", "ViewSonic", "VIEWSONIC"}, {"Elitegroup Computer Systems", "ECS", "ECS"},
    };
    for (const Road& road : roads)
        for (bool chinese : {true, false}) {
            if (chinese && GetACP() != 936) continue;
            const std::string what = std::string(chinese ? "Chinese" : "English") + " road of " + road.maker;
            const std::string name = (chinese ? dll.vendor_cn : dll.vendor_en)(road.maker, 1);
            const char* logo = (chinese ? dll.pic_cn : dll.pic_en)(name.c_str());
            check_text(logo, road.logo, what + " (logo)");
            std::string address = road.logo;
            for (const auto& row : zentavo::home_page_table::kRows)
                if (road.key && row.key == road.key) address = chinese ? row.chinese : row.international;
            check_text(dll.url(logo, chinese ? 1 : 0), address, what + " (home page)");
        }
}

// For every logo row keyed on a display name: the name GetPCVendor_* returns
// for that vendor yields the row's logo key, which GetVendorURL takes as it is.
void check_chain(const Exports& dll) {
    using namespace zentavo;
    for (const auto& logo_row : logo_table::kRows)
        for (const Language language : {Language::Chinese, Language::English}) {
            const Name name = logo_row.key(language).name;
            if (name == Name::None || (language == Language::Chinese && GetACP() != 936)) continue;
            const bool chinese = language == Language::Chinese;
            for (const auto& row : display_name_table::kRows) {
                if (row.name(language) != name || row.match == Match::Compound) continue;
                const std::string maker = std::string(row.keys.begin()->text) + (row.match == Match::WholeText ? "" : " Rest");
                for (int keep_rest : {0, 1}) {
                    const std::string display = (chinese ? dll.vendor_cn : dll.vendor_en)(maker.c_str(), keep_rest);
                    const char* logo = (chinese ? dll.pic_cn : dll.pic_en)(display.c_str());
                    check_text(logo, logo_row.logo, "logo of the display name for " + maker);
                }
            }
            std::string upper(logo_row.logo);
            for (char& c : upper) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
            for (const auto& page : home_page_table::kRows)
                if (page.key == upper)
                    check_text(dll.url(logo_row.logo.data(), 0), page.international, "home page of logo " + upper);
        }
}

// --- The calling convention, watched from outside (32-bit only). ---

#if defined(__i386__)
extern "C" const char* stdcall_probe(const void* function, unsigned argument_count, unsigned first,
                                     unsigned second, unsigned report[2]);

// Functions of known conventions, to show the probe tells them apart.
extern "C" const char* __cdecl leaves_its_arguments(const char* text, int) { return text; }
extern "C" const char* __stdcall removes_its_arguments(const char* text, int) { return text; }

// Every export removes exactly its own arguments and keeps EBX, ESI, EDI and
// EBP, whatever the input: display-name cases, logo and home page keys, null,
// empty, bytes from 0x80 up and a long text.
void check_calling_convention(const Exports& dll) {
    std::vector<std::string> texts = {"", "Dell Inc.", "Fujitsu Siemens Computers", "HP", "ASUS", "\x81",
                                      "\xBB\xAA\xCB\xB6", std::string(70000, 'q'), "ati"};
    for (const auto& c : zentavo::kDisplayNameCases) texts.emplace_back(c.maker);
    for (const auto& c : zentavo::kEnglishLogoCases) texts.emplace_back(c.name);
    std::vector<const char*> inputs = {nullptr};
    for (const std::string& text : texts) inputs.push_back(text.c_str());
    unsigned report[2] = {0, 0};
    stdcall_probe(reinterpret_cast<const void*>(leaves_its_arguments), 2, 0, 0, report);
    check(report[0] == 0 && report[1] == 1, "the probe sees a cdecl function leave its 8 bytes");
    stdcall_probe(reinterpret_cast<const void*>(removes_its_arguments), 2, 0, 0, report);
    check(report[0] == 8 && report[1] == 1, "the probe sees a stdcall function remove its 8 bytes");

    struct Probe { const char* name; const void* function; unsigned arguments; };
    const Probe probes[] = {
        {"GetVendorURL", reinterpret_cast<const void*>(dll.url), 2},
        {"GetPCVendor_Cn", reinterpret_cast<const void*>(dll.vendor_cn), 2},
        {"GetPCVendor_En", reinterpret_cast<const void*>(dll.vendor_en), 2},
        {"GetVendorPic_Cn", reinterpret_cast<const void*>(dll.pic_cn), 1},
        {"GetVendorPic_En", reinterpret_cast<const void*>(dll.pic_en), 1},
    };
    for (const Probe& probe : probes) {
        int wrong = 0;
        for (const char* input : inputs)
            for (unsigned second : {0u, 1u, 257u}) {
                unsigned report[2] = {0, 0};
                const char* result = stdcall_probe(probe.function, probe.arguments,
                                                   static_cast<unsigned>(reinterpret_cast<std::uintptr_t>(input)),
                                                   second, report);
                if (report[0] != probe.arguments * 4 || report[1] != 1 || result == nullptr) ++wrong;
            }
        check(wrong == 0, std::string(probe.name) + " removes " + std::to_string(probe.arguments * 4) +
                              " bytes and keeps EBX, ESI, EDI, EBP (" + std::to_string(wrong) + " calls wrong)");
    }
}
#endif

// --- Bad input. ---

void check_null_and_empty(const Exports& dll) {
    for (const char* maker : {static_cast<const char*>(nullptr), ""}) {
        const std::string what = maker ? "empty" : "null";
        for (int arg : {0, 1}) {
            check_text(dll.vendor_cn(maker, arg), "", "GetPCVendor_Cn " + what);
            check_text(dll.vendor_en(maker, arg), "", "GetPCVendor_En " + what);
            check_text(dll.url(maker, arg), "", "GetVendorURL " + what);
        }
        check_text(dll.pic_cn(maker), "", "GetVendorPic_Cn " + what);
        check_text(dll.pic_en(maker), "", "GetVendorPic_En " + what);
    }
}

void check_every_byte(const Exports& dll) {
    for (int b = 1; b <= 0xFF; ++b) {
        const std::string one(1, static_cast<char>(b));
        const std::string what = "byte " + std::to_string(b);
        check_text(dll.vendor_cn(one.c_str(), 1), one, "GetPCVendor_Cn " + what);
        check_text(dll.vendor_en(one.c_str(), 0), one, "GetPCVendor_En " + what);
        const std::string after = "Dell " + one;
        check_text(dll.vendor_en(after.c_str(), 1), "Dell " + one, "GetPCVendor_En Dell + " + what);
        for (auto pic : {dll.pic_cn, dll.pic_en}) check(pic(one.c_str()) != nullptr, "GetVendorPic " + what);
        check(dll.url(one.c_str(), 1) != nullptr, "GetVendorURL " + what);
    }
    // A lone lead byte at the very end stays the caller's own byte.
    check_text(dll.vendor_cn("FUJITSU SIEMENS\x81", 0), in_ansi("富士通-西门子") + "\x81", "compound, lone lead byte");
    check_text(dll.vendor_en("ASUS \xBB", 1), "ASUSTeK \xBB", "keep rest, lone lead byte");
    check_text(dll.vendor_cn("\x81", 1), "\x81", "lone lead byte alone");
}

void check_long_text(const Exports& dll) {
    std::string maker = "Dell ";
    maker.append(64u << 20, 'x');
    const char* kept = dll.vendor_en(maker.c_str(), 1);
    check(kept && std::strlen(kept) == maker.size() && std::string_view(kept).substr(0, 6) == "Dell x" &&
              std::string_view(kept) == maker,
          "64 MiB maker text, keep rest");
    check_text(dll.vendor_cn(maker.c_str(), 0), in_ansi("戴尔"), "64 MiB maker text");
    maker[4] = 'y';  // no blank left: the whole text is the lead word and matches nothing
    const char* same = dll.vendor_cn(maker.c_str(), 1);
    check(same && std::string_view(same) == maker, "64 MiB single word comes back unchanged");
    maker.replace(0, 16, "Fujitsu-Siemens ");
    const char* compound = dll.vendor_en(maker.c_str(), 0);
    check(compound && std::string_view(compound).substr(0, 16) == "FUJITSU-SIEMENS " &&
              std::strlen(compound) == maker.size(),
          "64 MiB compound maker text");
}

// --- Result storage as a host lives with it. ---

void check_result_passed_back_in(const Exports& dll) {
    const char* chinese = dll.vendor_cn("DELL Inc.", 1);
    const std::string copy = chinese;
    check_text(dll.vendor_en(chinese, 1), copy, "previous result passed back in comes back whole");
    const char* english = dll.vendor_en("dell.", 1);  // "Dell dell."
    check_text(dll.vendor_cn(english, 1), in_ansi("戴尔") + " dell.", "previous result as the maker of the next");
}

struct Worker {
    const Exports* dll;
    int index;
    int wrong = 0;
};

DWORD WINAPI hammer(void* param) {
    auto& worker = *static_cast<Worker*>(param);
    for (int i = 0; i < 2000; ++i) {
        const std::string maker = "Gigabyte " + std::to_string(worker.index) + "-" + std::to_string(i);
        const char* result = worker.dll->vendor_en(maker.c_str(), 1);
        if (std::string_view(result) != "GIGABYTE " + maker.substr(9)) ++worker.wrong;
    }
    return 0;
}

void check_results_across_threads(const Exports& dll) {
    const char* mine = dll.vendor_en("Micro-Star International", 1);
    const std::string before = mine;
    std::vector<Worker> workers(4);
    std::vector<HANDLE> threads;
    for (int i = 0; i < 4; ++i) {
        workers[i] = {&dll, i};
        threads.push_back(CreateThread(nullptr, 0, hammer, &workers[i], 0, nullptr));
    }
    WaitForMultipleObjects(static_cast<DWORD>(threads.size()), threads.data(), TRUE, INFINITE);
    for (HANDLE t : threads) CloseHandle(t);
    for (const auto& w : workers) check(w.wrong == 0, "thread " + std::to_string(w.index) + " read its own results whole");
    check_text(mine, before, "a result is untouched by calls on other threads");
}

struct Survivor {
    decltype(&GetPCVendor_En) vendor_en;
    HANDLE called, may_end;
    bool whole = false;
};

DWORD WINAPI outlive_the_library(void* param) {
    auto& survivor = *static_cast<Survivor*>(param);
    const char* result = survivor.vendor_en("Kingston Technology", 1);
    survivor.whole = std::string_view(result) == "Kingston Technology";
    SetEvent(survivor.called);
    WaitForSingleObject(survivor.may_end, INFINITE);
    return 7;  // ends after the library is gone: none of its code may run now
}

// A thread holding results lives on while the library is unloaded, then ends.
void check_unload_under_a_living_thread(const char* path) {
    HMODULE dll = LoadLibraryA(path);
    Survivor survivor{exports_by_name(dll).vendor_en,
                      CreateEventA(nullptr, TRUE, FALSE, nullptr), CreateEventA(nullptr, TRUE, FALSE, nullptr)};
    HANDLE thread = CreateThread(nullptr, 0, outlive_the_library, &survivor, 0, nullptr);
    WaitForSingleObject(survivor.called, INFINITE);
    check(survivor.whole, "thread's result before unloading");
    check(FreeLibrary(dll) != 0, "FreeLibrary with a living thread");
    check(GetModuleHandleA("Zentavo2.dll") == nullptr, "library unloaded");
    SetEvent(survivor.may_end);
    WaitForSingleObject(thread, INFINITE);
    DWORD code = 0;
    GetExitCodeThread(thread, &code);
    check(code == 7, "thread ended normally after the unload");
    for (HANDLE h : {thread, survivor.called, survivor.may_end}) CloseHandle(h);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: dll_host <Zentavo2.dll> <expected code page>\n");
        return 2;
    }
    const unsigned expected_code_page = std::stoul(argv[2]);
    std::printf("ANSI code page %u (expected %u), %s\n", GetACP(), expected_code_page, argv[1]);
    if (GetACP() != expected_code_page) {
        std::printf("FAILED: the process runs in code page %u\n0 passed, 1 failed\n", GetACP());
        return 1;
    }

    HMODULE dll = LoadLibraryA(argv[1]);
    if (!dll) {
        std::printf("FAILED: LoadLibrary error %lu\n0 passed, 1 failed\n", GetLastError());
        return 1;
    }
    check_export_directory(dll);
    const Exports exports = find_exports(dll);
    // Wine under qemu's 32-bit emulation cannot run threads side by side.
    const bool threads = std::getenv("ZENTAVO2_EMULATED_32BIT") == nullptr;
    if (!threads) std::printf("-- results across threads: skipped, 32-bit code is emulated here\n");
    const struct { const char* name; void (*run)(const Exports&); } sections[] = {
        {"display-name cases", check_display_name_cases},
        {"every row", check_every_row},
        {"KeepRest low byte", check_keep_rest_low_byte},
        {"logo keys", check_logo_cases},
        {"home pages", check_home_pages},
        {"maker to home page", check_road},
        {"display name to logo key to home page", check_chain},
#if defined(__i386__)
        {"stdcall convention", check_calling_convention},
#endif
        {"null and empty", check_null_and_empty},
        {"every byte", check_every_byte},
        {"64 MiB texts", check_long_text},
        {"result passed back in", check_result_passed_back_in},
        {"results across threads", threads ? check_results_across_threads : nullptr},
    };
    for (const auto& section : sections) {
        if (g_failed) break;
        if (!section.run) continue;
        std::printf("-- %s\n", section.name);
        std::fflush(stdout);
        section.run(exports);
    }
    check(FreeLibrary(dll) != 0, "FreeLibrary");
    if (threads && g_failed == 0) {
        std::printf("-- unload under a living thread\n");
        check_unload_under_a_living_thread(argv[1]);
    }
    std::printf("%d passed, %d failed\n", g_passed, g_failed);
    return g_failed == 0 ? 0 : 1;
}
