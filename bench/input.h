// The benchmark input: the lines of a maker-strings file, and pointers to
// them as the exports take them.
#pragma once

#include <fstream>
#include <string>
#include <vector>

inline std::vector<std::string> read_lines(const char* path) {
    std::ifstream file(path);
    std::vector<std::string> lines;
    for (std::string line; std::getline(file, line);)
        if (!line.empty()) lines.push_back(line);
    return lines;
}

inline std::vector<const char*> pointers(const std::vector<std::string>& texts) {
    std::vector<const char*> out;
    for (const std::string& text : texts) out.push_back(text.c_str());
    return out;
}
