// The debug log, Files/Debug.txt: a section line, then detail lines that start with one tab.
#pragma once

#include <string>

// Creates the log (overwriting an old one) in the working folder. false when it cannot be created;
// the program then runs without a log.
bool OpenDebugLog(const std::string& path = "Debug.txt");
// Appends one line: the low eight bits of each character, then CR LF, written through to the file.
void LogLine(const std::string& text);
void CloseDebugLog();
bool DebugLogOpen();
