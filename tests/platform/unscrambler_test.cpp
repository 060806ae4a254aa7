#include "platform/unscrambler.h"

#include <gtest/gtest.h>

TEST(Unscrambler, EveryCodeRoundTripsAfterEveryOther) {
    for (int previous = 32; previous <= 255; ++previous) {
        std::string text;
        for (int c = 32; c <= 255; ++c) {
            text.push_back(static_cast<char>(previous));
            text.push_back(static_cast<char>(c));
        }
        const std::string stored = Misc::ScrambleLine(text);
        ASSERT_EQ(APIs::UnscrambleLine(stored), text) << "after code " << previous;
        for (char c : stored) {
            const int code = static_cast<unsigned char>(c);
            ASSERT_NE(code, 34) << "a stored line never holds a quotation mark";
            ASSERT_TRUE(code >= 32 || code == 30);
        }
    }
}

TEST(Unscrambler, AnyStoredLineUnscramblesToPrintableCodes) {
    std::string junk;
    for (int c = 0; c < 256; ++c) junk.push_back(static_cast<char>(c));
    for (char c : APIs::UnscrambleLine(junk)) EXPECT_GE(static_cast<unsigned char>(c), 32);
}

TEST(Unscrambler, QuotedAndEmptyTextSurvive) {
    const std::string text = "Say \"Pass\", or \"Order It Up\".";
    EXPECT_EQ(APIs::UnscrambleLine(Misc::ScrambleLine(text)), text);
    EXPECT_NE(Misc::ScrambleLine(text), text);
    EXPECT_EQ(APIs::UnscrambleLine(""), "");
}
