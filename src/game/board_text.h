// The board as text, one character a cell, for --print-board and for comparing deals.
#pragma once

#include <string>

// 25 lines of 38 characters, row 0 first ('.' empty, '1'-'8' colours, 'p' small prize, 'P' big
// prize, 'b' bash refill, 'c' converter, '?' anything else), then "bashes N". Lines end in '\n'.
std::string BoardText();
