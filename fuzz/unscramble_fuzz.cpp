// Unscramble on arbitrary text and key bytes: it must never fail unsafely, and whatever it reads
// back must scramble and read back to itself. Input: one byte of key length, the key, the text.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "scores/scrambler.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size == 0) return 0;
    size_t keyLength = data[0] % 64;
    if (keyLength > size - 1) keyLength = size - 1;
    const std::string key(reinterpret_cast<const char*>(data + 1), keyLength);
    const std::string text(reinterpret_cast<const char*>(data + 1 + keyLength),
                           size - 1 - keyLength);

    std::string plain = Unscramble(text, key);
    if (plain != "XXX" && Unscramble(Scramble(plain, key), key) != plain) std::abort();
    if (!text.empty()) {
        std::string scrambled = Scramble(text, key);
        if (scrambled.size() != 2 * (text.size() + 12)) std::abort();
        if (Unscramble(scrambled, key) != text) std::abort();
    }
    return 0;
}
