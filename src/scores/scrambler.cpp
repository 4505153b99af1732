#include "scores/scrambler.h"

#include "scores/number_text.h"
#include "scores/score_key.h"

namespace {

const std::string& KeyOrRecordKey(const std::string& key) {
    return key.empty() ? RecordKey() : key;
}

// Walks the key along a text: position i (from 1) uses key character (i mod k) + 1, so position 1
// takes the key's second character and position k its first.
struct KeyWalk {
    const std::string& key;
    size_t at;
    explicit KeyWalk(const std::string& k) : key(k), at(1 % k.size()) {}
    unsigned Next() {
        unsigned code = static_cast<unsigned char>(key[at]);
        if (++at == key.size()) at = 0;
        return code;
    }
};

void XorWithKey(std::string& text, const std::string& key) {
    KeyWalk walk(key);
    for (char& c : text) c = static_cast<char>(static_cast<unsigned char>(c) ^ walk.Next());
}

// Rotates left by r places (r already reduced below the length).
std::string RotateLeft(std::string_view text, size_t r) {
    std::string out;
    out.reserve(text.size() + 6);
    out.append(text.substr(r));
    out.append(text.substr(0, r));
    return out;
}

// One stage: rotate left by the check number mod the length, then append the check number as six
// digits.
std::string Stage(std::string_view text) {
    int check = CheckNumber(text);
    std::string out = text.empty() ? std::string() : RotateLeft(text, check % text.size());
    std::string digits = "000000" + std::to_string(check);
    out += digits.substr(digits.size() - 6);
    return out;
}

// Undoes one stage; false when nothing is left or the check number does not match.
bool Unstage(std::string_view text, std::string& out) {
    if (text.size() <= 6) return false;
    int64_t check = TextToInt64(text.substr(text.size() - 6));
    std::string_view body = text.substr(0, text.size() - 6);
    int64_t n = static_cast<int64_t>(body.size());
    int64_t m = check % n;
    if (m < 0) m += n;
    // Rotating right by m is rotating left by n - m.
    out = RotateLeft(body, static_cast<size_t>((n - m) % n));
    return CheckNumber(out) == check;
}

// Digit values of every byte: "0"-"9" and "A"-"F"; anything else, lower case included, counts 0.
struct HexTable {
    unsigned char value[256] = {};
    constexpr HexTable() {
        for (int c = '0'; c <= '9'; c++) value[c] = static_cast<unsigned char>(c - '0');
        for (int c = 'A'; c <= 'F'; c++) value[c] = static_cast<unsigned char>(c - 'A' + 10);
    }
};
constexpr HexTable hexTable;

unsigned HexValue(char c) {
    return hexTable.value[static_cast<unsigned char>(c)];
}

} // namespace

int CheckNumber(std::string_view text) {
    uint64_t check = 0;
    for (size_t i = 0; i < text.size(); i++) {
        uint64_t code = static_cast<unsigned char>(text[i]);
        check = (check + code * ((i + 1) % 4096) * 3) % 4096;
    }
    return static_cast<int>(check);
}

std::string Scramble(const std::string& text, const std::string& key) {
    const std::string& k = KeyOrRecordKey(key);
    std::string first = Stage(text);
    XorWithKey(first, k);
    std::string second = Stage(first);
    static const char digits[] = "0123456789ABCDEF";
    std::string out;
    out.resize(second.size() * 2);
    KeyWalk walk(k);
    for (size_t i = 0; i < second.size(); i++) {
        unsigned v = (static_cast<unsigned char>(second[i]) ^ walk.Next()) & 0xFF;
        out[2 * i] = digits[v >> 4];
        out[2 * i + 1] = digits[v & 15];
    }
    return out;
}

std::string Unscramble(const std::string& text, const std::string& key) {
    const std::string& k = KeyOrRecordKey(key);
    std::string pairs(text.size() / 2, '\0');
    KeyWalk walk(k);
    for (size_t i = 0; i < pairs.size(); i++) {
        unsigned v = HexValue(text[2 * i]) * 16 + HexValue(text[2 * i + 1]);
        pairs[i] = static_cast<char>(v ^ walk.Next());
    }
    std::string inner;
    if (!Unstage(pairs, inner)) return "XXX";
    XorWithKey(inner, k);
    std::string plain;
    if (!Unstage(inner, plain)) return "XXX";
    return plain;
}
