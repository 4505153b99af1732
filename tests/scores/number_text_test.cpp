#include "scores/number_text.h"

#include <gtest/gtest.h>
#include <limits>

TEST(NumberText, ReadsLikeTheGamesTextToInteger) {
    const int64_t low = std::numeric_limits<int64_t>::min();
    const int64_t high = std::numeric_limits<int64_t>::max();
    struct Case {
        const char* text;
        int64_t value;
    };
    const Case cases[] = {
        {"42", 42},
        {"  \t-7x", -7},
        {"+5", 5},
        {"", 0},
        {"-+-", 0},
        {"- 5", 0},
        {"1e5", 1},
        {"007", 7},
        {"9223372036854775807", high},
        {"-9223372036854775808", low},
        {"9223372036854775808", high},
        {"-99999999999999999999999", low},
        {"123456789012345678901234567890", high},
    };
    for (const Case& c : cases) EXPECT_EQ(TextToInt64(c.text), c.value) << '"' << c.text << '"';
}

TEST(NumberText, ThirtyTwoBitReadingsStopAtTheRange) {
    const int low = std::numeric_limits<int>::min();
    const int high = std::numeric_limits<int>::max();
    struct Case {
        const char* text;
        int value, absolute;
    };
    const Case cases[] = {
        {"-5", -5, 5},
        {"2147483647", high, high},
        {"2147483648", high, high},
        {"-2147483648", low, high},
        {"-9999999999", low, high},
        {"x", 0, 0},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(TextToInt(c.text), c.value) << c.text;
        EXPECT_EQ(AbsTextToInt(c.text), c.absolute) << c.text;
    }
}
