// Copies the pack's fonts and their licences into the Common folder, as listed in fonts.txt.
#pragma once

#include <filesystem>

// Returns false, after naming the problem on standard error, when the list or a file is missing.
bool CopyFonts(const std::filesystem::path& fontList, const std::filesystem::path& commonDir);
