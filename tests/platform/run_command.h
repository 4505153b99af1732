// Runs a shell command and answers its exit code, for tests that run the built program.
#pragma once

#include <string>

// The command's exit code, or -1 when it did not exit normally.
int RunCommand(const std::string& command);
