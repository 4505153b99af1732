#include "test_support.h"

#include <fstream>
#include <random>
#include <sstream>

ScratchDir::ScratchDir() {
    previous = std::filesystem::current_path();
    std::random_device seed;
    for (;;) {
        path = std::filesystem::temp_directory_path() /
               ("bodger-test-" + std::to_string(seed()) + std::to_string(seed()));
        if (std::filesystem::create_directory(path)) break;
    }
    std::filesystem::current_path(path);
}

ScratchDir::~ScratchDir() {
    std::error_code ignored;
    std::filesystem::current_path(previous, ignored);
    // A test may have made a folder read-only; make it removable again first.
    for (auto& entry : std::filesystem::recursive_directory_iterator(path, ignored))
        std::filesystem::permissions(entry.path(), std::filesystem::perms::owner_all,
                                     std::filesystem::perm_options::add, ignored);
    std::filesystem::permissions(path, std::filesystem::perms::owner_all,
                                 std::filesystem::perm_options::add, ignored);
    std::filesystem::remove_all(path, ignored);
}

std::string ReadFileText(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream out;
    out << in.rdbuf();
    return out.str();
}

void WriteFileText(const std::filesystem::path& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << bytes;
}
