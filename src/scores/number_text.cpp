#include "scores/number_text.h"

#include <limits>

int64_t TextToInt64(std::string_view text) {
    size_t at = 0;
    while (at < text.size() && (text[at] == ' ' || (text[at] >= '\t' && text[at] <= '\r'))) at++;
    bool negative = false;
    if (at < text.size() && (text[at] == '+' || text[at] == '-')) negative = text[at++] == '-';
    // The magnitude is gathered unsigned and capped just past the largest one either sign can hold.
    const uint64_t cap = static_cast<uint64_t>(std::numeric_limits<int64_t>::max()) + 1;
    uint64_t magnitude = 0;
    for (; at < text.size() && text[at] >= '0' && text[at] <= '9'; at++) {
        magnitude = magnitude * 10 + static_cast<uint64_t>(text[at] - '0');
        if (magnitude >= cap) {
            magnitude = cap;
            break;
        }
    }
    if (negative) {
        if (magnitude >= cap) return std::numeric_limits<int64_t>::min();
        return -static_cast<int64_t>(magnitude);
    }
    if (magnitude >= cap) return std::numeric_limits<int64_t>::max();
    return static_cast<int64_t>(magnitude);
}

int TextToInt(std::string_view text) {
    int64_t value = TextToInt64(text);
    if (value > std::numeric_limits<int>::max()) return std::numeric_limits<int>::max();
    if (value < std::numeric_limits<int>::min()) return std::numeric_limits<int>::min();
    return static_cast<int>(value);
}

int AbsTextToInt(std::string_view text) {
    int value = TextToInt(text);
    if (value == std::numeric_limits<int>::min()) return std::numeric_limits<int>::max();
    return value < 0 ? -value : value;
}
