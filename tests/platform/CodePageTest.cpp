#include <gtest/gtest.h>

#include "platform/CodePage.h"
#include "platform/RegionalSettings.h"
#include "platform/grid/DisplayFormat.h"

namespace platform {
namespace {

TEST(CodePage, MapsEveryWindows1250Byte) {
    EXPECT_EQ(cp1250ToUtf8("\x8a\x8e\x9a\x9e\xc6\xc8\xd0\xe6\xe8\xf0"), "ŠŽšžĆČĐćčđ");
    EXPECT_EQ(cp1250ToUtf8("\x80\xa0"), "€\u00a0");
    // The five bytes the code page leaves undefined keep their value, as the system does.
    EXPECT_EQ(multiByteToWide(1250, "\x81\x83\x88\x90\x98"), u"\u0081\u0083\u0088\u0090\u0098");
    std::string all;
    for (int b = 0; b < 256; ++b)
        all.push_back(static_cast<char>(b));
    EXPECT_EQ(utf8ToCp1250(cp1250ToUtf8(all)), all);
}

TEST(CodePage, ReplacesWhatCannotBeConverted) {
    EXPECT_EQ(utf8ToCp1250("ж"), "?");
    EXPECT_EQ(utf8ToUtf16("\xff"
                          "a\xc3"),
              u"\uFFFDa\uFFFD");
    EXPECT_EQ(utf16ToUtf8(u"\U0001F600"), "\xF0\x9F\x98\x80");
}

TEST(DisplayFormat, GroupsThousandsWithTheRegionalSeparator) {
    struct Case {
        const char* separator;
        double value;
        const char* expected;
    } cases[] = {
        {".", 1234567, "1.234.567"},
        {",", 1234567, "1,234,567"},
        {".", -1234, "-1.234"},
        {".", 0, "0"},
        {".", 999, "999"},
        {".", -4294967295.0, "-4.294.967.295"},
        {"\xa0", 1000,
         "1\xa0"
         "000"},
    };
    for (const auto& c : cases) {
        setThousandsSeparator(c.separator);
        EXPECT_EQ(grid::formatFloat(",0;-,0", c.value), c.expected);
    }
    setThousandsSeparator(".");
}

}  // namespace
}  // namespace platform
