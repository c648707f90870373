#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "compare/CRHoV_Util.h"
#include "compare/detail/RegisterPageScanner.h"
#include "platform/InOutError.h"
#include "tests/TempDir.h"

namespace compare {
namespace {

using detail::RegisterPageScanner;

TMy_FirmaArray scan(std::string_view page) {
    RegisterPageScanner scanner;
    scanner.feed(page);
    return scanner.finish();
}

std::string describe(const TMy_FirmaArray& list) {
    std::string out;
    for (const auto& e : list)
        out += std::to_string(e.Ord) + "|" + e.Name + "|" + std::to_string(e.Cnt) + "\n";
    return out;
}

const std::string kHead = "<tr><th>Naziv</th>\n<th>% od ukupne emisije</th>\n</tr>\n";
std::string row(const std::string& ord, const std::string& name, const std::string& count) {
    return "<tr>\n<td>" + ord + "</td>\n<td>" + name + "</td>\n<td>" + count +
           "</td>\n<td>1,5</td>\n</tr>\n";
}

TEST(GetCellText, TakesTheTextBetweenTheFirstTagAndTheNext) {
    struct Case {
        const char* item;
        const char* expected;
    } cases[] = {
        {"<TD>  PETAR </TD>", "PETAR"},
        {"<TD><B>PETAR</B></TD>", ""},  // text wrapped in a further tag
        {"<TD>PETAR", ""},              // no "<" after the text
        {"PETAR</TD", "PETAR"},         // no ">" keeps the whole item
        {"<TD>\xC4\x86\xC4\x8C\xC5\xA0\xC4\x90\xC5\xBD</TD>", "\xC6\xC8\x8A\xD0\x8E"},
        {"<TD>\xC5\xA1</TD>", "\xC5\xA1"},  // lower-case stays as two bytes
        {"<TD>\t\x01 A \x1F</TD>", "A"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(GetCellText(c.item), c.expected) << c.item;
}

TEST(ParseInt32, AcceptsOnlyASignAndDigitsThatFit) {
    using detail::parseInt32;
    EXPECT_EQ(parseInt32("500"), 500);
    EXPECT_EQ(parseInt32("+007"), 7);
    EXPECT_EQ(parseInt32("-2147483648"), INT32_MIN);
    EXPECT_EQ(parseInt32("2147483647"), INT32_MAX);
    for (const char* bad :
         {"", "+", "-", "2147483648", "-2147483649", "1.500", " 5", "5 ", "0x10", "1e3"}) {
        EXPECT_FALSE(parseInt32(bad).has_value()) << bad;
    }
}

TEST(RegisterPageScanner, ReadsRowsBetweenTheMarkers) {
    struct Case {
        const char* what;
        std::string page;
        const char* expected;
    } cases[] = {
        {"empty page", "", ""},
        {"no start marker", row("1.", "A", "5"), ""},
        {"a six-line row", kHead + row("1.", "Petar", "500") + "[Povratak]\n", "1|PETAR|500\n"},
        {"markers in any case, anywhere",
         "x % OD Ukupne EMISIJE y\n" + row("2.", "a", "1") + "<p>[povratak\n", "2|A|1\n"},
        {"no end marker collects to the end", kHead + row("1.", "A", "1") + row("2.", "B", "2"),
         "1|A|1\n2|B|2\n"},
        {"rows after the end marker are ignored",
         kHead + row("1.", "A", "1") + "[Povratak\n" + row("2.", "B", "2"),
         ""
         "1|A|1\n"},
        {"a second table adds to the same items",
         kHead + row("1.", "A", "1") + "[Povratak\n" + kHead + row("2.", "B", "2"),
         "1|A|1\n2|B|2\n"},
        {"a cell over four lines",
         kHead + "<tr>\n<td>3.</td>\n<td>\nPE\nTAR\n</td>\n<td>9</td>\n<td>%</td>\n",
         "3|PETAR|9\n"},
        {"positions lose their dots, holdings do not", kHead + row("1.234.", "A", "1.500"),
         "1234|A|0\n"},
        {"dots are removed after trimming", kHead + row(" . 5", "A", "1"), "0|A|1\n"},
        {"numbers that do not convert give 0", kHead + row("x", "A", "99999999999"), "0|A|0\n"},
        {"CR LF and a last line without a line feed",
         kHead + "<tr>\r\n<td>1.</td>\r\n<td>A</td>\r\n<td>5</td>\r\n<td>%</td>", "1|A|5\n"},
        {"a lone CR stays inside the line",
         kHead + "<tr>\n<td>1.</td>\n<td>A\rB</td>\n<td>5</td>\n<td>%</td>\n", "1|A\rB|5\n"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(describe(scan(c.page)), c.expected) << c.what;
}

TEST(RegisterPageScanner, IgnoresItemsAfterTheLastFullRow) {
    // 23 items: four rows, three items left over.
    std::string page = kHead;
    for (int i = 1; i <= 4; ++i)
        page += row(std::to_string(i) + ".", "N" + std::to_string(i), "1");
    page += "<tr>\n<td>5.</td>\n<td>LEFT</td>\n";
    EXPECT_EQ(scan(page).size(), 4u);
}

TEST(RegisterPageScanner, GivesTheSameEntriesWhateverPiecesItIsFed) {
    std::string page = kHead;
    for (int i = 1; i <= 30; ++i)
        page +=
            row(std::to_string(i) + ".", "IME\xC4\x8C " + std::to_string(i), std::to_string(i * 7));
    page = page + "<p>[Povratak</p>\r\n";
    const std::string whole = describe(scan(page));
    for (size_t piece : {1u, 2u, 3u, 7u, 64u}) {
        RegisterPageScanner scanner;
        for (size_t at = 0; at < page.size(); at += piece)
            scanner.feed(std::string_view(page).substr(at, piece));
        EXPECT_EQ(describe(scanner.finish()), whole) << "pieces of " << piece;
    }
}

// Binary bytes, NULs and CRs on lines that open no tag are dropped; the row after them
// still reads.
TEST(RegisterPageScanner, ReadsPastBinaryNoise) {
    std::string page = kHead;
    for (int i = 0; i < 4096; ++i) {
        const char byte = static_cast<char>((i * 131) % 256);
        page.push_back(byte == '<' ? '>' : byte);
        if (i % 64 == 0)
            page += "\nX";  // no line of the noise opens a tag
    }
    page += std::string(3, '\0') + "\n" + row("1.", "A", "5");
    EXPECT_EQ(describe(scan(page)), "1|A|5\n");
}

TEST(ReadFirmaArray, ReadsASavedPage) {
    test::TempDir dir;
    const auto file = dir.write("page.htm", kHead + row("1.", "Ana", "10") + "[Povratak\n");
    EXPECT_EQ(describe(ReadFirmaArray(file)), "1|ANA|10\n");
}

TEST(ReadFirmaArray, NamesTheFileWhenItCannotBeRead) {
    test::TempDir dir;
    for (const auto& path : {dir.path() / "missing.htm", dir.path()}) {
        try {
            ReadFirmaArray(path);
            ADD_FAILURE() << "no error for " << path;
        } catch (const platform::EInOutError& error) {
            EXPECT_NE(std::string(error.what()).find(path.string()), std::string::npos)
                << error.what();
        }
    }
}

}  // namespace
}  // namespace compare
