#include "shell/debug_log.h"

#include "platform/files.h"

namespace {
OutFile* logFile = nullptr;
}

bool OpenDebugLog(const std::string& path) {
    CloseDebugLog();
    logFile = OpenOutFile(path);
    return logFile != nullptr;
}

void LogLine(const std::string& text) {
    if (!logFile) return;
    // Write errors are ignored: the log is a trace, never a reason to stop.
    WriteOut(logFile, text + "\r\n");
}

void CloseDebugLog() {
    CloseOutFile(logFile);
    logFile = nullptr;
}

bool DebugLogOpen() {
    return logFile != nullptr;
}
