// The game's number and title, used in the window caption, the log banner, the data folder's name,
// the screenshot names and the score key.
#pragma once

#include <string>

constexpr int GameNumber = 279;
extern const std::string TitleFirstWord;  // "Bodger"
extern const std::string TitleSecondWord; // "Thump"

// "#279 : Bodger Thump"
std::string WindowTitle();
// The data folder inside Files/: the number as three digits, then "/" ("279/").
std::string DataFolderName();
