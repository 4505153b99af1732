// A small 5 x 7 capital-letter font of our own, for the lettering of the logos and badges.
#pragma once

#include <string>
#include <vector>

struct LitCell {
    int column = 0;
    int row = 0;
};

// The lit cells of a text in the 5 x 7 font, one blank column between letters. Letters the font
// lacks are left blank.
std::vector<LitCell> TextCells(const std::string& text);
int TextColumns(const std::string& text); // width of the text in cells
constexpr int fontRows = 7;
