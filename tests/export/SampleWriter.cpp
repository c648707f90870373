// Writes the workbooks that the real readers (xlrd, LibreOffice, olefile) check:
//   xls_sample_writer fixed <folder>            the fixed samples
//   xls_sample_writer random <folder> <seed> <count>
//                                               random sheets, each with a JSON file of
//                                               what a reader must find in it

#include <cmath>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "export/cxExport.h"
#include "export/cxXLSExport.h"
#include "platform/CodePage.h"

namespace {

using namespace cx;
namespace fs = std::filesystem;

TcxExportCellStyle Base() {
    TcxExportCellStyle s = DefaultExportStyle();
    s.Checksum = 0;
    return s;
}

// Windows-1250 bytes from UTF-8 source text.
std::string Cp(const char* utf8) {
    return platform::utf8ToCp1250(utf8);
}

void WriteBasic(const fs::path& folder) {
    TcxExportProviderRef p =
        TcxExport::CreateProvider(kExportTypeXLS, (folder / "Promena broja akcija.xls").string());
    TcxExportCellStyle base = Base();
    p->AddBaseStyle(base);
    p->PrepareSheet(6, 6, true);
    p->DefineColumnWidth(0, 200);
    p->DefineColumnWidth(1, 64);
    p->DefineRowHeight(0, 30);

    TcxExportCellStyle header = Base();
    header.FontFlags = kFontBold;
    SetFontFace(header, "Arial");
    header.PointSize = 12;
    header.FillColor = 0x00FFFF;  // yellow fill
    header.TextColor = 0x0000FF;  // red text
    header.CharacterSet = 238;
    const int headerIndex = p->AddStyle(header);
    p->MergeWithStyle(0, 0, 1, 3, headerIndex);
    p->PutText(0, 0, Cp("Kupovina – Šđčćž"));

    TcxExportCellStyle italic = Base();
    italic.FontFlags = kFontItalic | kFontUnderline;
    italic.Alignment = 2;
    italic.Edges[kEdgeBottom].LineWidth = 3;
    italic.Edges[kEdgeBottom].LineColor = 0x00FF00;
    italic.Edges[kEdgeLeft].Omitted = true;
    italic.FillPattern = 0;
    const int italicIndex = p->AddStyle(italic);

    p->PutText(0, 1, Cp("Čačak d.o.o."));
    p->PutValue(1, 1, TcxExportValue::Integer(12345));
    p->PutValue(2, 1, TcxExportValue::Double(-0.5));
    p->ApplyStyle(3, 1, italicIndex);
    p->PutValue(3, 1, TcxExportValue::Boolean(true));
    p->PutValue(4, 1, TcxExportValue::Date(45000.25));
    p->PutValue(5, 1, TcxExportValue::Currency(123456));
    p->PutText(0, 2, std::string(300, 'L'));     // shared string
    p->PutText(1, 2, std::string(200, '\x9A'));  // non-ASCII shared string
    p->PutWideText(2, 2, u"\u017D\u0111\r\nx");  // UTF-16 label, CR dropped
    p->PutValue(3, 2, TcxExportValue::Date(2.0));
    p->PutValue(4, 2, TcxExportValue::Date(0.5));
    p->PutValue(5, 2, TcxExportValue::String("text\r\nline"));
    p->AddMerge(0, 4, 2, 2);
    p->PutText(0, 4, "merged block");
    p->Finish();
}

void WriteSmall(const fs::path& folder) {
    TcxExportProviderRef p =
        TcxExport::CreateProvider(kExportTypeXLS, (folder / "one.xls").string());
    TcxExportCellStyle base = Base();
    p->AddBaseStyle(base);
    p->PrepareSheet(1, 1, false);
    p->PutText(0, 0, "x");
    p->Finish();
}

void WriteUnprepared(const fs::path& folder) {
    TcxExportProviderRef p =
        TcxExport::CreateProvider(kExportTypeXLS, (folder / "unprepared.xls").string());
    p->Finish();
}

void WriteLongStrings(const fs::path& folder) {
    TcxExportProviderRef p =
        TcxExport::CreateProvider(kExportTypeXLS, (folder / "longstrings.xls").string());
    TcxExportCellStyle base = Base();
    base.CharacterSet = 238;
    p->AddBaseStyle(base);
    p->PrepareSheet(3, 40, false);
    for (int r = 0; r < 40; ++r) {
        const std::size_t length = 100 + static_cast<std::size_t>(r) * 173;
        std::string text;
        for (std::size_t i = 0; i < length; ++i)
            text += static_cast<char>('a' + (i + r) % 26);
        p->PutText(0, r, text);
        std::string accented(length, '\xE8');
        accented[0] = static_cast<char>('A' + r % 26);
        p->PutText(1, r, accented);
        p->PutValue(2, r, TcxExportValue::Integer(r));
    }
    p->Finish();
}

// A stream over 13,840 sectors: the allocation table needs a DIFAT sector.
void WriteLarge(const fs::path& folder) {
    TcxExportProviderRef p =
        TcxExport::CreateProvider(kExportTypeXLS, (folder / "large.xls").string());
    TcxExportCellStyle base = Base();
    p->AddBaseStyle(base);
    p->PrepareSheet(8, 60000, false);
    for (int c = 0; c < 8; ++c) {
        for (int r = 0; r < 60000; ++r)
            p->PutNumber(c, r, c * 100000.0 + r);
    }
    p->Finish();
}

// ---------------------------------------------------------------------------
// Random sheets

std::string JsonString(const std::u16string& text) {
    std::string out = "\"";
    for (char c : platform::utf16ToUtf8(text)) {
        if (c == '"' || c == '\\') {
            out += '\\';
            out += c;
        } else if (static_cast<unsigned char>(c) < 0x20) {
            char buf[8];
            std::snprintf(buf, sizeof buf, "\\u%04x", static_cast<unsigned>(c));
            out += buf;
        } else {
            out += c;
        }
    }
    return out + "\"";
}

std::string Number(double v) {
    char buf[40];
    std::snprintf(buf, sizeof buf, "%.17g", v);
    return buf;
}

int LineStyleOf(const TcxExportEdge& e) {
    if (e.Omitted || e.LineWidth <= 0)
        return 0;
    return e.LineWidth == 2 ? 2 : e.LineWidth > 2 ? 5 : 1;
}

void WriteRandom(const fs::path& folder, unsigned seed, int count) {
    std::mt19937 rng(seed);
    auto pick = [&rng](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng); };
    const std::vector<std::int32_t> colors = {0x000000, 0x0000FF, 0x00FF00, 0xFF0000, 0x123456,
                                              0xA0A0A0, 0xFFFFFF, 0x00FFFF, 0x808080, 0x336699};
    const char* letters[] = {"a", "Z", " ", "\xE8", "\x9A", "\x8A", "\xF0", "\xC6", "\x9E", "1"};
    for (int n = 0; n < count; ++n) {
        const std::string name = "random" + std::to_string(seed) + "_" + std::to_string(n);
        TcxExportProviderRef p =
            TcxExport::CreateProvider(kExportTypeXLS, (folder / (name + ".xls")).string());
        const int columns = pick(1, 12);
        const int rows = pick(1, 200);
        std::ostringstream json;
        json << "{\"columns\":" << columns << ",\"rows\":" << rows
             << ",\"sheet\":" << JsonString(platform::utf8ToUtf16(name)) << ",\"styles\":[";
        TcxExportCellStyle base = Base();
        base.CharacterSet = 238;
        p->AddBaseStyle(base);
        std::vector<TcxExportCellStyle> styles = {base};
        for (int s = 0; s < 12; ++s) {
            TcxExportCellStyle st = base;
            st.FontFlags = static_cast<std::uint8_t>(pick(0, 15));
            st.PointSize = pick(6, 20);
            st.TextColor = colors[static_cast<std::size_t>(pick(0, 9))];
            st.Alignment = static_cast<std::uint8_t>(pick(0, 2));
            for (auto& e : st.Edges) {
                e.Omitted = pick(0, 3) == 0;
                e.LineWidth = pick(0, 4);
                e.LineColor = colors[static_cast<std::size_t>(pick(0, 9))];
            }
            st.FillPattern = static_cast<std::uint8_t>(pick(0, 1));
            st.FillColor = colors[static_cast<std::size_t>(pick(0, 9))];
            styles.push_back(st);
        }
        for (std::size_t s = 0; s < styles.size(); ++s) {
            TcxExportCellStyle st = styles[s];
            const int index = p->AddStyle(st);
            const TcxExportEdge* e = st.Edges;
            const bool filled = st.FillPattern != 0 && st.FillColor != 0xFFFFFF;
            json << (s ? "," : "") << "{\"index\":" << index
                 << ",\"bold\":" << ((st.FontFlags & kFontBold) ? "true" : "false")
                 << ",\"italic\":" << ((st.FontFlags & kFontItalic) ? "true" : "false")
                 << ",\"underline\":" << ((st.FontFlags & kFontUnderline) ? "true" : "false")
                 << ",\"struck\":" << ((st.FontFlags & kFontStrikeOut) ? "true" : "false")
                 << ",\"height\":" << st.PointSize * 20 << ",\"color\":" << st.TextColor
                 << ",\"align\":" << st.Alignment + 1 << ",\"borders\":["
                 << LineStyleOf(e[kEdgeLeft]) << "," << LineStyleOf(e[kEdgeRight]) << ","
                 << LineStyleOf(e[kEdgeTop]) << "," << LineStyleOf(e[kEdgeBottom])
                 << "],\"fill\":" << (filled ? st.FillColor : -1) << "}";
        }
        json << "],\"widths\":{";
        p->PrepareSheet(columns, rows, pick(0, 1) == 1);
        for (int c = 0; c < columns; ++c) {
            const int pixels = pick(10, 400);
            p->DefineColumnWidth(c, pixels);
            json << (c ? "," : "") << "\"" << c << "\":" << std::lround(pixels * 36.6);
        }
        json << "},\"merges\":[";
        // Merges in disjoint 3 x 3 blocks.
        std::vector<char> merged(static_cast<std::size_t>(columns * rows), 0);
        std::vector<int> mergeStyle(static_cast<std::size_t>(columns * rows), 0);
        bool firstMerge = true;
        for (int c = 0; c + 1 < columns; c += 3) {
            for (int r = 0; r + 1 < rows; r += 3) {
                if (pick(0, 5) != 0)
                    continue;
                const int rc = pick(1, 3), cc = pick(2, 3);
                const int style = pick(0, static_cast<int>(styles.size()) - 1);
                p->MergeWithStyle(c, r, rc, cc, style);
                const int lastC = std::min(c + cc, columns) - 1, lastR = std::min(r + rc, rows) - 1;
                for (int x = c; x <= lastC; ++x) {
                    for (int y = r; y <= lastR; ++y)
                        merged[static_cast<std::size_t>(x * rows + y)] = 1;
                }
                merged[static_cast<std::size_t>(c * rows + r)] = 2;
                mergeStyle[static_cast<std::size_t>(c * rows + r)] = style;
                json << (firstMerge ? "" : ",") << "[" << r << "," << lastR + 1 << "," << c << ","
                     << lastC + 1 << "," << style << "]";
                firstMerge = false;
            }
        }
        json << "],\"cells\":[";
        bool firstCell = true;
        for (int c = 0; c < columns; ++c) {
            for (int r = 0; r < rows; ++r) {
                const char mark = merged[static_cast<std::size_t>(c * rows + r)];
                if (mark == 1)
                    continue;  // inside a merged range: nothing written
                int style = mergeStyle[static_cast<std::size_t>(c * rows + r)];
                if (mark == 0) {
                    style = pick(0, static_cast<int>(styles.size()) - 1);
                    p->ApplyStyle(c, r, style);
                }
                std::string kind = "blank";
                std::string value = "null";
                switch (pick(0, 8)) {
                    case 0:
                        break;
                    case 1: {
                        const double v =
                            std::ldexp(static_cast<double>(pick(-1000000, 1000000)), pick(-20, 20));
                        p->PutNumber(c, r, v);
                        kind = "number";
                        value = Number(v);
                        break;
                    }
                    case 2: {
                        const int v = pick(-2000000000, 2000000000);
                        p->PutValue(c, r, TcxExportValue::Integer(v));
                        kind = "number";
                        value = std::to_string(v);
                        break;
                    }
                    case 3:
                    case 4: {
                        std::string text;
                        const int length = pick(0, 3) == 0 ? pick(120, 700) : pick(1, 40);
                        for (int i = 0; i < length; ++i)
                            text += letters[pick(0, 9)];
                        p->PutText(c, r, text);
                        kind = "text";
                        value = JsonString(platform::multiByteToWide(1250, text));
                        break;
                    }
                    case 5: {
                        const bool v = pick(0, 1) == 1;
                        p->PutValue(c, r, TcxExportValue::Boolean(v));
                        kind = "bool";
                        value = v ? "1" : "0";
                        break;
                    }
                    case 6: {
                        double v = pick(61, 60000) + pick(0, 3) * 0.25;
                        p->PutValue(c, r, TcxExportValue::Date(v));
                        // A value put into a merged cell after the merge keeps the merge's
                        // format: a plain number.
                        kind = mark == 2 ? "number" : "date";
                        value = Number(v);
                        break;
                    }
                    case 7: {
                        std::u16string text;
                        const int length = pick(1, 300);
                        for (int i = 0; i < length; ++i)
                            text += static_cast<char16_t>(pick(0x20, 0x2FF));
                        p->PutWideText(c, r, text);
                        kind = "text";
                        value = JsonString(text);
                        break;
                    }
                    default: {
                        const std::int64_t v = pick(-100000000, 100000000);
                        p->PutValue(c, r, TcxExportValue::Currency(v));
                        kind = "number";
                        value = Number(static_cast<double>(v) / 10000.0);
                        break;
                    }
                }
                json << (firstCell ? "" : ",") << "[" << r << "," << c << ",\"" << kind << "\","
                     << value << "," << style << "]";
                firstCell = false;
            }
        }
        json << "]}";
        p->Finish();
        std::ofstream(folder / (name + ".json")) << json.str();
    }
}

}  // namespace

int main(int argc, char** argv) {
    InitXLSExportModule();
    InitExportSupport();
    if (argc >= 3 && std::string(argv[1]) == "fixed") {
        const fs::path folder = argv[2];
        WriteBasic(folder);
        WriteSmall(folder);
        WriteUnprepared(folder);
        WriteLongStrings(folder);
        WriteLarge(folder);
        return 0;
    }
    if (argc >= 5 && std::string(argv[1]) == "random") {
        WriteRandom(argv[2], static_cast<unsigned>(std::stoul(argv[3])), std::stoi(argv[4]));
        return 0;
    }
    std::fprintf(stderr,
                 "usage: xls_sample_writer fixed <folder> | random <folder> <seed> <count>\n");
    return 2;
}
