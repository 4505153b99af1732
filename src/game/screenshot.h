// F11: the screen saved as a PNG in Files/, named after the game and the moment.
#pragma once

#include <string>

void TakeScreenshot();
// The text without the characters that are not allowed or not wanted in a file name.
std::string CleanFileName(const std::string& text);
// The file name for a screenshot at this date ("09 Dec 2011") and time ("10:34:56"), the n-th
// of that second (n from 1; the second and later ones get " (n)" before ".png").
std::string ScreenshotName(const std::string& date, const std::string& time, int n);
