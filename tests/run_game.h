// Runs the built game on the headless backend in the current folder, with a copy of the asset
// pack in Files/, for tests of whole runs.
#pragma once

#include <string>

// Copies the asset pack into ./Files, unless it is there already.
void CopyAssetPack();
// Copies the asset pack (once), then runs the program with the script from
// tests/data/scripts and the extra arguments; standard output and error go to out.txt and
// err.txt. Returns the exit code.
int RunGame(const std::string& script, const std::string& extra = "");
// The debug log the run left.
std::string RunLog();
