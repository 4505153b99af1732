#include "shell/game_title.h"

const std::string TitleFirstWord = "Bodger";
const std::string TitleSecondWord = "Thump";

std::string WindowTitle() {
    return "#" + std::to_string(GameNumber) + " : " + TitleFirstWord + " " + TitleSecondWord;
}

std::string DataFolderName() {
    std::string digits = "000" + std::to_string(GameNumber);
    return digits.substr(digits.size() - 3) + "/";
}
