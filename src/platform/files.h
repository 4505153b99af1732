// Files and folders. Paths are plain relative or absolute paths with "/" separators.
#pragma once

#include <string>
#include <vector>

// Changes the working folder; false when the folder does not exist or cannot be entered.
bool ChangeDir(const std::string& path);
std::string CurrentDir();

// 0 nothing there, 1 a file, 2 a folder.
int FileType(const std::string& path);
// True when a file or a folder of that name exists.
bool FileExists(const std::string& path);
bool MakeDir(const std::string& path);
// Creates (or truncates) an empty file.
bool CreateEmptyFile(const std::string& path);
bool RemoveFile(const std::string& path);

// Reads the whole file as bytes; false when it cannot be opened or read.
bool ReadWholeFile(const std::string& path, std::string& bytes);
// Splits the file into lines: LF ends a line, a zero byte ends a line, CR is dropped wherever it
// stands. A final line without LF counts; a file ending in LF has no extra empty line after it.
// An empty or missing file gives no lines (ok tells them apart when given).
std::vector<std::string> ReadAllLines(const std::string& path, bool* ok = nullptr);
std::vector<std::string> SplitLines(const std::string& bytes);

// Writes the whole file atomically: a temporary file in the same folder, flushed and synced, then
// renamed over the old one and the folder synced. When anything fails the old file stays whole and
// the result is false; why is put into error when given.
bool WriteFileAtomic(const std::string& path, const std::string& bytes, std::string* error = nullptr);

// A file kept open for appending lines, written through to the disk after every write (the debug
// log uses it so that a crash leaves a complete log).
struct OutFile;
OutFile* OpenOutFile(const std::string& path); // creates or truncates; nullptr on failure
bool WriteOut(OutFile* file, const std::string& bytes);
void CloseOutFile(OutFile* file);
