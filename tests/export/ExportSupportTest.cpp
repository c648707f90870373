// The export document model: style records, the style registry, provider classes,
// helpers, system colours and the screen scale.

#include <gtest/gtest.h>

#include <cstring>

#include "export/cxExport.h"
#include "export/cxExportStyleManager.h"
#include "platform/ScreenScale.h"
#include "platform/SystemColors.h"
#include "tests/export/XlsTestSupport.h"

namespace {

using namespace cx;

TEST(ExportHash, OfAbcIs00018823) {
    EXPECT_EQ(ExportHash("abc", 3), 0x00018823u);
}

TEST(ExportHash, OfNothingIsZero) {
    EXPECT_EQ(ExportHash("", 0), 0u);
}

// Packed fields are compared by value (unary +): a reference to one may be misaligned.
TEST(DefaultExportStyle, HoldsTheStandardLook) {
    const TcxExportCellStyle& d = DefaultExportStyle();
    EXPECT_EQ(d.Alignment, 1);
    EXPECT_EQ(FontFaceOf(d), "Tahoma");
    for (std::size_t i = 6; i < kFontFaceSize; ++i)
        EXPECT_EQ(d.FontFace[i], 0) << i;
    EXPECT_EQ(d.FontFlags, 0);
    EXPECT_EQ(+d.TextColor, 0x000000);
    EXPECT_EQ(+d.PointSize, 8);
    EXPECT_EQ(+d.CharacterSet, 0);
    for (const TcxExportEdge edge : d.Edges) {
        EXPECT_FALSE(edge.Omitted);
        EXPECT_EQ(+edge.LineWidth, 1);
        EXPECT_EQ(+edge.LineColor, 0xA0A0A0);
    }
    EXPECT_EQ(d.FillPattern, 1);
    EXPECT_EQ(+d.FillColor, 0xFFFFFF);
    EXPECT_EQ(+d.PatternColor, 0);
}

TEST(SystemColors, StandardWindowsColours) {
    EXPECT_EQ(platform::sysColor(platform::kColorBtnText), 0x000000);
    EXPECT_EQ(platform::sysColor(platform::kColorBtnShadow), 0xA0A0A0);
    EXPECT_EQ(platform::sysColor(platform::kColorWindow), 0xFFFFFF);
    EXPECT_EQ(platform::sysColor(platform::kColorWindowText), 0x000000);
    EXPECT_EQ(platform::sysColor(platform::kColorBtnFace), 0xF0F0F0);
    EXPECT_EQ(platform::sysColor(platform::kColorHighlight), 0xD77800);  // RGB 0,120,215
    EXPECT_EQ(platform::sysColor(99), 0);
}

TEST(ExportColor, ResolvesSystemColoursAndKeepsOthers) {
    EXPECT_EQ(ExportColor(platform::systemColor(platform::kColorBtnFace)), 0xF0F0F0);
    EXPECT_EQ(ExportColor(static_cast<std::int32_t>(0xFF000010u)), 0xA0A0A0);
    EXPECT_EQ(ExportColor(0x0000FF), 0x0000FF);
}

TEST(ScreenScale, NinetySixDotsPerInchByDefaultAndInjectable) {
    EXPECT_EQ(platform::screenPixelsPerInch(), 96);
    EXPECT_DOUBLE_EQ(ScreenScale(), 1.0);
    platform::setScreenPixelsPerInch(120);
    MeasureScreenScale();
    EXPECT_DOUBLE_EQ(ScreenScale(), 1.25);
    platform::setScreenPixelsPerInch(72);  // below 96 counts as 96
    MeasureScreenScale();
    EXPECT_DOUBLE_EQ(ScreenScale(), 1.0);
    platform::setScreenPixelsPerInch(96);
    MeasureScreenScale();
}

struct CharsetCase {
    std::int32_t charset;
    unsigned codePage;
};
class CharsetCodePageTest : public ::testing::TestWithParam<CharsetCase> {};
TEST_P(CharsetCodePageTest, MapsCharacterSetToCodePage) {
    EXPECT_EQ(CharsetCodePage(GetParam().charset), GetParam().codePage);
}
INSTANTIATE_TEST_SUITE_P(Table, CharsetCodePageTest,
                         ::testing::Values(CharsetCase{0, 0}, CharsetCase{1, 0}, CharsetCase{2, 0},
                                           CharsetCase{128, 932}, CharsetCase{129, 949},
                                           CharsetCase{130, 949}, CharsetCase{134, 936},
                                           CharsetCase{136, 950}, CharsetCase{161, 1253},
                                           CharsetCase{162, 1254}, CharsetCase{177, 1255},
                                           CharsetCase{178, 1256}, CharsetCase{186, 1257},
                                           CharsetCase{204, 1251}, CharsetCase{222, 874},
                                           CharsetCase{238, 1250}));

TEST(AnsiToWideByCharset, ZeroAndOneUseTheSystemAnsiCodePage) {
    EXPECT_EQ(AnsiToWideByCharset("\xE8", 0), u"\u010D");
    EXPECT_EQ(AnsiToWideByCharset("\xE8", 1), u"\u010D");
    EXPECT_EQ(AnsiToWideByCharset("\xE8", 238), u"\u010D");
    EXPECT_EQ(AnsiToWideByCharset("\xE8", 204), u"\u0438");  // Cyrillic i in 1251
    EXPECT_EQ(WideToAnsiByCharset(u"\u010D\u0161", 238), "\xE8\x9A");
}

TEST(HasNonAsciiChar, TrueFromByte128) {
    EXPECT_FALSE(HasNonAsciiChar("plain \x7F"));
    EXPECT_TRUE(HasNonAsciiChar("x\x80"));
}

TEST(ExtractFileNamePart, TakesThePartAfterTheLastBackslash) {
    EXPECT_EQ(ExtractFileNamePart(u"C:\\a.b\\name.xls"), u"name.xls");
    EXPECT_EQ(ExtractFileNamePart(u"name.xls"), u"name.xls");
}

TEST(MessageLookup, FillsPlaceholdersAndCanBeReplaced) {
    EXPECT_EQ(FormatExportMessage(TcxExportMessage::UnsupportedExportType, "7"),
              "Unsupported export type: 7");
    InitExportSupport([](TcxExportMessage) { return std::string("translated %1"); });
    EXPECT_EQ(FormatExportMessage(TcxExportMessage::InvalidCellDimension, "x"), "translated x");
    InitExportSupport();
    EXPECT_EQ(MessageLookup(TcxExportMessage::InvalidCellDimension), "Invalid cell dimension");
}

class StyleRegistryTest : public ::testing::Test {
  protected:
    void SetUp() override { registry = TcxExportStyleManager::Acquire("registry-test.xls"); }
    void TearDown() override { registry->Release(); }
    TcxExportStyleManager* registry = nullptr;
};

TEST_F(StyleRegistryTest, SameRecordTwiceGivesSameIndexAndSetsChecksum) {
    TcxExportCellStyle a = xlstest::BaseStyle();
    EXPECT_EQ(registry->Intern(a), 0);
    const std::int32_t checksum = a.Checksum;
    EXPECT_EQ(static_cast<std::uint32_t>(checksum), ExportHash(&a, kStyleIdentityBytes));
    TcxExportCellStyle b = xlstest::BaseStyle();
    EXPECT_EQ(+b.Checksum, 0);
    EXPECT_EQ(registry->Intern(b), 0);
    EXPECT_EQ(+b.Checksum, checksum);
    EXPECT_EQ(registry->EntryCount(), 1);
}

TEST_F(StyleRegistryTest, ByteAfterFontNameTerminatorMakesADistinctStyle) {
    TcxExportCellStyle a = xlstest::BaseStyle();
    TcxExportCellStyle b = xlstest::BaseStyle();
    b.FontFace[20] = 'x';
    EXPECT_EQ(registry->Intern(a), 0);
    EXPECT_EQ(registry->Intern(b), 1);
}

TEST_F(StyleRegistryTest, UnknownIndexIsAListError) {
    EXPECT_THROW(registry->Entry(0), EListError);
    TcxExportCellStyle a = xlstest::BaseStyle();
    registry->Intern(a);
    EXPECT_NO_THROW(registry->Entry(0));
    EXPECT_THROW(registry->Entry(1), EListError);
    EXPECT_THROW(registry->Entry(-1), EListError);
}

TEST_F(StyleRegistryTest, DestroyingARegistryInUseRaises) {
    try {
        registry->Destroy();
        FAIL() << "no exception";
    } catch (const EcxExportData& e) {
        EXPECT_STREQ(e.what(),
                     "The Style Manager is currently being used elsewhere and can not be "
                     "released at this stage");
    }
    EXPECT_EQ(registry->UseCount(), 1);
}

TEST_F(StyleRegistryTest, ThousandsOfDistinctStylesStayDistinctAndFindable) {
    for (int i = 0; i < 5000; ++i) {
        TcxExportCellStyle s = xlstest::BaseStyle();
        s.FillColor = i;
        ASSERT_EQ(registry->Intern(s), i);
    }
    TcxExportCellStyle again = xlstest::BaseStyle();
    again.FillColor = 4321;
    EXPECT_EQ(registry->Intern(again), 4321);
}

TEST(StyleRegistry, NamesDifferingInLetterCaseShareOneRegistry) {
    TcxExportStyleManager* first = TcxExportStyleManager::Acquire("C:\\Dir\\Promena.xls");
    TcxExportCellStyle red = xlstest::BaseStyle();
    red.TextColor = 0xFF;
    EXPECT_EQ(first->Intern(red), 0);
    TcxExportStyleManager* second = TcxExportStyleManager::Acquire("c:\\dir\\PROMENA.XLS");
    EXPECT_EQ(first, second);
    EXPECT_EQ(second->UseCount(), 2);
    // The second acquisition also registered the default style.
    EXPECT_EQ(second->EntryCount(), 2);
    EXPECT_TRUE(SameStyle(second->Entry(1), DefaultExportStyle()));
    // Windows-1250 letters fold too: "Č" (0xC8) and "č" (0xE8).
    TcxExportStyleManager* third = TcxExportStyleManager::Acquire("c:\\dir\\promena.xls");
    TcxExportStyleManager* accented = TcxExportStyleManager::Acquire("\xC8.xls");
    TcxExportStyleManager* accentedLower = TcxExportStyleManager::Acquire("\xE8.xls");
    EXPECT_EQ(third, first);
    EXPECT_EQ(accented, accentedLower);
    accented->Release();
    accentedLower->Release();
    first->Release();
    second->Release();
    const std::size_t before = TcxExportStyleManager::RegistryCount();
    third->Release();
    EXPECT_EQ(TcxExportStyleManager::RegistryCount(), before - 1);
}

class OtherProviderClass : public TcxExportProviderClass {
  public:
    explicit OtherProviderClass(int number) : number_(number) {}
    TcxExportProviderRef Create(std::string_view) const override { return {}; }
    int ExportTypeNumber() const override { return number_; }

  private:
    int number_;
};

TEST(TcxExport, TypeOneIsTheExcelProvider) {
    const TcxExportProviderClass& xls = TcxExport::ProviderClassFor(1);
    EXPECT_EQ(&xls, &TcxXLSExportProvider::Class());
    EXPECT_EQ(xls.ExportDescription(), "Export to MS Excel (*.xls)");
}

TEST(TcxExport, SecondClassAnsweringOneIsRefused) {
    OtherProviderClass other(1);
    EXPECT_FALSE(TcxExport::RegisterProviderClass(&other));
    EXPECT_FALSE(TcxExport::RegisterProviderClass(nullptr));
    EXPECT_FALSE(TcxExport::RegisterProviderClass(&TcxXLSExportProvider::Class()));
    EXPECT_EQ(&TcxExport::ProviderClassFor(1), &TcxXLSExportProvider::Class());
}

TEST(TcxExport, UnknownTypeRaisesUnsupportedExportType) {
    try {
        TcxExport::ProviderClassFor(3);
        FAIL() << "no exception";
    } catch (const EcxExportData& e) {
        EXPECT_STREQ(e.what(), "Unsupported export type: 3");
    }
    OtherProviderClass three(3);
    EXPECT_TRUE(TcxExport::RegisterProviderClass(&three));
    EXPECT_EQ(&TcxExport::ProviderClassFor(3), &three);
    TcxExport::UnregisterProviderClass(&three);
    EXPECT_THROW(TcxExport::ProviderClassFor(3), EcxExportData);
}

TEST(TcxExportProviderRef, LastReleaseDestroysTheProviderAndItsTemporaryFile) {
    test::TempDir dir;
    TcxExportProviderRef ref = TcxExport::CreateProvider(1, (dir.path() / "a.xls").string());
    ASSERT_TRUE(ref);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()),
                            std::filesystem::directory_iterator()),
              1);
    IcxExportProvider* same = ref->QueryInterface(IcxExportProvider::IID);
    EXPECT_EQ(same, ref.get());
    TcxExportProviderRef copy = TcxExportProviderRef::Adopt(same);
    EXPECT_EQ(ref->QueryInterface(TcxGUID{}), nullptr);
    ref.reset();
    EXPECT_EQ(copy->CanPutPicture(), false);
    copy.reset();
    EXPECT_TRUE(std::filesystem::is_empty(dir.path()));
}

TEST(TcxCustomExportProvider, OutputFileNameHasBackslashes) {
    test::TempDir dir;
    xlstest::Provider p(dir.path() / "n.xls");
    const std::u16string name = p->OutputFileName();
    EXPECT_EQ(name.find(u'/'), std::u16string::npos);
    EXPECT_EQ(name.substr(name.size() - 6), u"\\n.xls");
}

}  // namespace
