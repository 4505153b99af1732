#include "font_copy.h"

#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

namespace {

std::string Trim(const std::string& text) {
    size_t first = text.find_first_not_of(" \t\r");
    if (first == std::string::npos) return "";
    size_t last = text.find_last_not_of(" \t\r");
    return text.substr(first, last - first + 1);
}

std::vector<std::string> Columns(const std::string& line) {
    std::vector<std::string> columns;
    size_t start = 0;
    while (true) {
        size_t bar = line.find('|', start);
        columns.push_back(Trim(line.substr(start, bar - start)));
        if (bar == std::string::npos) break;
        start = bar + 1;
    }
    return columns;
}

bool Copy(const std::filesystem::path& from, const std::filesystem::path& to) {
    std::error_code error;
    std::filesystem::copy_file(from, to, std::filesystem::copy_options::overwrite_existing, error);
    if (error) {
        std::fprintf(stderr, "make-assets: cannot copy %s to %s: %s\n", from.string().c_str(),
                     to.string().c_str(), error.message().c_str());
        return false;
    }
    return true;
}

} // namespace

bool CopyFonts(const std::filesystem::path& fontList, const std::filesystem::path& commonDir) {
    std::ifstream list(fontList);
    if (!list) {
        std::fprintf(stderr, "make-assets: cannot read %s\n", fontList.string().c_str());
        return false;
    }
    bool ok = true;
    int fonts = 0;
    std::string line;
    while (std::getline(list, line)) {
        if (Trim(line).empty() || Trim(line)[0] == '#') continue;
        std::vector<std::string> columns = Columns(line);
        if (columns.size() != 6) {
            std::fprintf(stderr, "make-assets: %s: a font line needs six columns: %s\n",
                         fontList.string().c_str(), line.c_str());
            ok = false;
            continue;
        }
        const std::string& gameName = columns[0];
        std::filesystem::path installed = columns[1];
        std::filesystem::path copyright =
            std::filesystem::path("/usr/share/doc") / columns[2] / "copyright";
        std::string stem = std::filesystem::path(gameName).stem().string();
        ok = Copy(installed, commonDir / gameName) && ok;
        ok = Copy(copyright, commonDir / (stem + " licence.txt")) && ok;
        ++fonts;
    }
    if (fonts != 4) {
        std::fprintf(stderr, "make-assets: %s lists %d fonts, the game needs 4\n",
                     fontList.string().c_str(), fonts);
        ok = false;
    }
    return ok;
}
