#include "scores/scrambler.h"

#include <gtest/gtest.h>
#include <random>
#include <vector>

#include "scores/score_key.h"

namespace {

std::string RandomBytes(std::mt19937& random, size_t length, int low = 0, int high = 255) {
    std::uniform_int_distribution<int> byte(low, high);
    std::string text(length, '\0');
    for (char& c : text) c = static_cast<char>(byte(random));
    return text;
}

bool AllUpperHex(const std::string& text) {
    for (char c : text)
        if (!((c >= '0' && c <= '9') || (c >= 'A' && c <= 'F'))) return false;
    return true;
}

const std::string recordLine = "1234|Ann|0|64643839509|0|2|3|0^{p=8!Lb3w#2~"
                               "1|2|3|4|5|6|7|8|9|10|11|12|13|14|15|16|0|0|0|0|0|0|0|0|0|0|0|0|0|0";

} // namespace

TEST(Scrambler, CheckNumbers) {
    struct Case {
        std::string text;
        int check;
    };
    const Case cases[] = {
        {"", 0},    {"abc", 1770}, // (97 x 3 + 98 x 6 + 99 x 9) mod 4096
        {"a", 291}, {std::string(1, '\xff'), 765},
        {"|", 372},
    };
    for (const Case& c : cases) EXPECT_EQ(CheckNumber(c.text), c.check) << c.text;
    // Long texts stay below 4096.
    std::mt19937 random(7);
    for (int i = 0; i < 50; i++) {
        int check = CheckNumber(RandomBytes(random, 10000));
        EXPECT_GE(check, 0);
        EXPECT_LT(check, 4096);
    }
}

TEST(Scrambler, OutputIsUpperHexOfTwiceTheLengthPlusTwelve) {
    std::mt19937 random(1);
    for (size_t n = 1; n <= 80; n++) {
        std::string scrambled = Scramble(RandomBytes(random, n), "");
        EXPECT_EQ(scrambled.size(), 2 * (n + 12));
        EXPECT_TRUE(AllUpperHex(scrambled)) << scrambled;
    }
    EXPECT_EQ(Scramble("x", ScoreHeaderKey).size(), 26u);
}

TEST(Scrambler, RoundTripsEveryTextWithEveryKey) {
    std::mt19937 random(2);
    std::vector<std::string> keys = {"",    ScoreHeaderKey, "a", std::string("\x00\xff", 2),
                                     "Zz9", RecordKey()};
    for (int i = 0; i < 6; i++) keys.push_back(RandomBytes(random, 1 + random() % 60, 1, 255));
    std::vector<std::string> texts = {"|", "abc", recordLine, std::string(1, '\0'),
                                      std::string(5000, 'q')};
    std::string everyByte;
    for (int c = 0; c < 256; c++) everyByte += static_cast<char>(c);
    texts.push_back(everyByte);
    for (int i = 0; i < 60; i++) texts.push_back(RandomBytes(random, 1 + random() % 300));
    for (const std::string& key : keys)
        for (const std::string& text : texts)
            ASSERT_EQ(Unscramble(Scramble(text, key), key), text)
                << "text of " << text.size() << " bytes, key of " << key.size();
}

TEST(Scrambler, AnEmptyKeyMeansTheRecordKey) {
    EXPECT_EQ(Scramble(recordLine, ""), Scramble(recordLine, RecordKey()));
    EXPECT_EQ(Unscramble(Scramble(recordLine, RecordKey()), ""), recordLine);
    EXPECT_NE(Scramble(recordLine, ""), Scramble(recordLine, ScoreHeaderKey));
}

TEST(Scrambler, TheWrongKeyFailsTheChecks) {
    std::string scrambled = Scramble(recordLine, "");
    for (const std::string& key : {ScoreHeaderKey, std::string("a"), std::string("Bash to Base")})
        EXPECT_EQ(Unscramble(scrambled, key), "XXX") << key;
    EXPECT_EQ(Unscramble(Scramble("|", ScoreHeaderKey), ""), "XXX");
}

TEST(Scrambler, ChangingAnyOneDigitIsNearlyAlwaysCaught) {
    const char digits[] = "0123456789ABCDEF";
    std::mt19937 random(3);
    std::vector<std::string> lines = {recordLine, "|", "Player"};
    for (int i = 0; i < 20; i++) lines.push_back(RandomBytes(random, 1 + random() % 150, 32, 126));
    int changes = 0, missed = 0;
    for (const std::string& line : lines) {
        std::string scrambled = Scramble(line, "");
        for (size_t at = 0; at < scrambled.size(); at++) {
            for (char digit : std::string(digits)) {
                if (digit == scrambled[at]) continue;
                std::string damaged = scrambled;
                damaged[at] = digit;
                changes++;
                std::string result = Unscramble(damaged, "");
                if (result != "XXX") missed++;
            }
        }
    }
    EXPECT_LT(missed * 1000, changes) << missed << " of " << changes << " changes slipped through";
}

TEST(Scrambler, ShortOddAndGarbageTextsAreSafe) {
    std::mt19937 random(4);
    // The shortest scrambled text has 26 digits; anything shorter fails whatever it holds.
    for (size_t n = 0; n < 26; n++) {
        EXPECT_EQ(Unscramble(RandomBytes(random, n, '0', 'F'), ""), "XXX") << n;
        EXPECT_EQ(Unscramble(RandomBytes(random, n), "k"), "XXX") << n;
        EXPECT_EQ(Unscramble(std::string(n, '0'), ScoreHeaderKey), "XXX") << n;
    }
    // An odd last character has no partner and is ignored.
    std::string scrambled = Scramble("abc", "");
    EXPECT_EQ(Unscramble(scrambled + "7", ""), "abc");
    // Lower-case letters are not digits: they read as 0 and fail the checks.
    std::string lower = Scramble(recordLine, "");
    bool hasLetter = false;
    for (char& c : lower)
        if (c >= 'A' && c <= 'F') {
            c = static_cast<char>(c - 'A' + 'a');
            hasLetter = true;
        }
    ASSERT_TRUE(hasLetter);
    EXPECT_EQ(Unscramble(lower, ""), "XXX");
    // Garbage of every length and byte never crashes and nearly never passes both checks.
    int passed = 0;
    for (int i = 0; i < 2000; i++)
        passed += Unscramble(RandomBytes(random, random() % 200), "") != "XXX";
    EXPECT_LT(passed, 5);
}

TEST(Scrambler, AnEmptyTextScramblesToSomethingThatFailsToReadBack) {
    std::string scrambled = Scramble("", "");
    EXPECT_EQ(scrambled.size(), 24u);
    EXPECT_EQ(Unscramble(scrambled, ""), "XXX");
}

TEST(ScoreKey, KeyHasItsLengthRangesAndKnownStart) {
    EXPECT_EQ(ScoreSubtitle.size(), 12u);
    DeriveScoreKey();
    const std::string& key = RecordKey();
    ASSERT_EQ(key.size(), 48u); // 2 x ("Bodger Thump" + the subtitle)
    for (size_t i = 0; i < key.size(); i++) {
        int code = static_cast<unsigned char>(key[i]);
        if (i % 2 == 0) {
            EXPECT_GE(code, 31);
            EXPECT_LE(code, 105);
        } else {
            EXPECT_GE(code, 36);
            EXPECT_LE(code, 106);
        }
    }
    // Step 1 mixes 'o' (the title's second character) into 64 and 'a' into 85.
    EXPECT_EQ(key.substr(0, 2), "@U");
    std::string again = key;
    DeriveScoreKey();
    EXPECT_EQ(RecordKey(), again);
}
