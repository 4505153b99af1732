#include "shell/field_of.h"

#include <gtest/gtest.h>

TEST(FieldOf, SplitsTrimmedTextAtTheDelimiter) {
    struct Case {
        const char* text;
        const char* delimiter;
        int n;
        const char* field;
    };
    const Case cases[] = {
        {"a=b", "=", 1, "a"},
        {"a=b", "=", 2, "b"},
        {"abc", "=", 1, "abc"},
        {"abc", "=", 2, "abc"},
        {"abc", "=", 3, "-+-"},
        {"a==b", "=", 2, ""},
        {"a==b", "=", 3, "b"},
        {"  Width = 800  ", "=", 1, "Width "},
        {"Width=1024=768", "=", 2, "1024"},
        {"a|b|c", "|", 3, "c"},
        {"a|b|c", "|", 4, "-+-"},
        {"a|b|c", "|", 5, "-+-"},
        {"", "=", 1, ""},
        {"a=", "=", 2, ""},
        {"x^{p=8!Lb3w#2~y", "^{p=8!Lb3w#2~", 2, "y"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(FieldOf(c.text, c.delimiter, c.n), c.field)
            << '"' << c.text << "\" field " << c.n;
}

TEST(FieldOf, TrimLowRemovesControlCharactersAndSpaces) {
    EXPECT_EQ(TrimLow("\t x y \r\n"), "x y");
    EXPECT_EQ(TrimLow("   "), "");
}
