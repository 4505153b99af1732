// Helpers shared by the tests: a scratch folder per test, and file contents.
#pragma once

#include <filesystem>
#include <string>

// Makes a fresh empty folder under the system's temporary folder and enters it; on destruction
// returns to the previous working folder and removes the scratch folder.
struct ScratchDir {
    ScratchDir();
    ~ScratchDir();
    ScratchDir(const ScratchDir&) = delete;
    ScratchDir& operator=(const ScratchDir&) = delete;
    std::filesystem::path path;
    std::filesystem::path previous;
};

std::string ReadFileText(const std::filesystem::path& path);
void WriteFileText(const std::filesystem::path& path, const std::string& bytes);
