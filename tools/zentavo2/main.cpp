// zentavo2: every answer of the library for a list of maker strings.
//
//   zentavo2 [--tsv | --json] [--keep-rest] [maker ...]
//
// Maker strings come from the arguments, or one per line from standard input.
// For each it prints the Chinese and English display names, the logo key of
// each and the home page of each logo key (Chinese edition for the Chinese
// road, international for the English one): an aligned table by default,
// tab-separated values with --tsv, JSON lines with --json.
//
// On Linux it calls libzentavo2.so, which answers in the charset of the
// locale; on Windows it loads Zentavo2.dll at run time, as hosts do, which
// answers in the ANSI code page.  Output is in the terminal's charset; JSON
// is always UTF-8.
#include <algorithm>
#include <cstdio>
#include <iostream>
#include <string>
#include <string_view>
#include <vector>

#include <CLI/CLI.hpp>
#include <nlohmann/json.hpp>

#include "tools/zentavo2/library.h"

namespace {

struct Answers {
    std::string maker, chinese, english, logo_cn, logo_en, home_page_cn, home_page_en;
};

// Each result is copied before the next call, as the library asks.
Answers resolve(const Library& library, const std::string& maker, int keep_rest) {
    Answers a{maker};
    a.chinese = library.vendor_cn(maker.c_str(), keep_rest);
    a.english = library.vendor_en(maker.c_str(), keep_rest);
    a.logo_cn = library.pic_cn(a.chinese.c_str());
    a.logo_en = library.pic_en(a.english.c_str());
    a.home_page_cn = library.url(a.logo_cn.c_str(), 1);
    a.home_page_en = library.url(a.logo_en.c_str(), 0);
    return a;
}

constexpr const char* kHeadings[] = {"maker", "Chinese", "English", "logo (cn)", "logo (en)",
                                     "home page (cn)", "home page (en)"};
constexpr const char* kJsonKeys[] = {"maker", "chinese", "english", "logo_cn", "logo_en",
                                     "home_page_cn", "home_page_en"};

std::vector<const std::string*> fields(const Answers& a) {
    return {&a.maker, &a.chinese, &a.english, &a.logo_cn, &a.logo_en, &a.home_page_cn, &a.home_page_en};
}

void print_tsv(const Answers& a, std::string& out) {
    for (const std::string* field : fields(a)) {
        out += *field;
        out += '\t';
    }
    out.back() = '\n';
}

void print_json(const Answers& a, const Library& library) {
    nlohmann::ordered_json line;
    const auto values = fields(a);
    for (std::size_t i = 0; i < values.size(); ++i) line[kJsonKeys[i]] = library.to_utf8(*values[i]);
    std::cout << line.dump(-1, ' ', false, nlohmann::json::error_handler_t::replace) << '\n';
}

void print_table(const std::vector<Answers>& rows, const Library& library) {
    std::vector<std::size_t> widths;
    for (const char* heading : kHeadings) widths.push_back(std::string_view(heading).size());
    for (const Answers& row : rows) {
        const auto values = fields(row);
        for (std::size_t i = 0; i < values.size(); ++i)
            widths[i] = std::max(widths[i], library.columns(*values[i]));
    }
    const auto print_row = [&](const std::vector<std::string>& cells) {
        std::string line;
        for (std::size_t i = 0; i < cells.size(); ++i) {
            line += library.for_terminal(cells[i]);
            if (i + 1 < cells.size()) line += std::string(widths[i] - library.columns(cells[i]) + 2, ' ');
        }
        std::cout << line << '\n';
    };
    print_row({std::begin(kHeadings), std::end(kHeadings)});
    for (const Answers& row : rows) {
        std::vector<std::string> cells;
        for (const std::string* field : fields(row)) cells.push_back(field->empty() ? "-" : *field);
        print_row(cells);
    }
}

}  // namespace

int main(int argc, char** argv) {
    CLI::App app{"Every answer of the Zentavo2 library for each maker string"};
    bool tsv = false, json = false, keep_rest = false;
    std::vector<std::string> makers;
    app.add_flag("--tsv", tsv, "tab-separated values: a header line, then one line per maker string");
    app.add_flag("--json", json, "one JSON object (UTF-8) per maker string");
    app.add_flag("--keep-rest", keep_rest, "let the rest of the maker string follow the display name");
    app.add_option("maker", makers, "maker strings (default: one per line from standard input)");
    CLI11_PARSE(app, argc, argv);
    if (tsv && json) {
        std::cerr << "--tsv and --json exclude each other\n";
        return 2;
    }

    const Library library;
    if (!library.loaded()) {
        std::cerr << "zentavo2: " << library.error() << '\n';
        return 1;
    }

    std::ios::sync_with_stdio(false);
    std::vector<Answers> table;
    std::string out;
    const auto emit = [&](const std::string& maker) {
        Answers answers = resolve(library, maker, keep_rest ? 1 : 0);
        if (json) return print_json(answers, library);
        if (!tsv) return table.push_back(std::move(answers));
        print_tsv(answers, out);
        if (out.size() > (1 << 16)) {
            std::fwrite(out.data(), 1, out.size(), stdout);
            out.clear();
        }
    };

    if (tsv) {
        for (const char* heading : kHeadings) out += std::string(heading) + '\t';
        out.back() = '\n';
    }
    if (!makers.empty()) {
        for (const std::string& maker : makers) emit(maker);
    } else {
        std::string line;
        while (std::getline(std::cin, line)) {
            if (!line.empty() && line.back() == '\r') line.pop_back();
            emit(line);
        }
    }
    if (tsv) std::fwrite(out.data(), 1, out.size(), stdout);
    if (!tsv && !json) print_table(table, library);
    std::cout.flush();
    return 0;
}
