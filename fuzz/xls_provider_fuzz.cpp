// Drives the Excel workbook provider with random operation sequences: every operation,
// arguments near and beyond the limits, then Finish, all under the sanitizers. Errors the
// provider raises by design (EcxExportData, EListError) are expected; anything else is a
// defect.

#include <stdlib.h>
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string>

#include "export/cxExport.h"
#include "export/cxXLSExport.h"

namespace {

class Input {
  public:
    Input(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}
    bool Empty() const { return at_ >= size_; }
    std::uint8_t Byte() { return at_ < size_ ? data_[at_++] : 0; }
    int Small(int limit) { return Byte() % limit; }
    // Mostly small coordinates, sometimes ones at or past the sheet's limits.
    int Coordinate() {
        switch (Byte() % 8) {
            case 0:
                return -1 - Small(3);
            case 1:
                return 255 + Small(3);
            case 2:
                return 65534 + Small(3);
            default:
                return Small(24);
        }
    }
    int Count() { return Byte() % 8 == 0 ? 300 + Small(200) : 1 + Small(6); }
    std::string Text() {
        const int length = Byte() % 4 == 0 ? 120 + Small(250) : Small(20);
        std::string out;
        for (int i = 0; i < length; ++i)
            out += static_cast<char>(Byte() % 3 ? 'a' + Small(26) : Byte());
        return out;
    }
    std::u16string WideText() {
        const int length = Byte() % 4 == 0 ? 100 + Small(250) : Small(20);
        std::u16string out;
        for (int i = 0; i < length; ++i)
            out += static_cast<char16_t>(Byte() | (Byte() << 8));
        return out;
    }

  private:
    const std::uint8_t* data_;
    std::size_t size_;
    std::size_t at_ = 0;
};

// A folder of its own for the files written, removed when the process ends.
class TempFolder {
  public:
    TempFolder() {
        std::string pattern = (std::filesystem::temp_directory_path() / "xlsfuzz-XXXXXX").string();
        if (!mkdtemp(pattern.data()))
            abort();
        path_ = pattern;
    }
    ~TempFolder() {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
    const std::filesystem::path& Path() const { return path_; }

  private:
    std::filesystem::path path_;
};

const std::filesystem::path& TempPath() {
    static const TempFolder folder;
    return folder.Path();
}

cx::TcxExportCellStyle StyleFrom(Input& in) {
    cx::TcxExportCellStyle s = cx::DefaultExportStyle();
    s.Checksum = 0;
    s.Alignment = static_cast<std::uint8_t>(in.Small(4));
    s.FontFlags = static_cast<std::uint8_t>(in.Byte());
    s.TextColor = in.Small(4) == 0 ? 0 : in.Byte() * 0x010203;
    s.PointSize = in.Small(80);
    s.CharacterSet = in.Small(2) ? 238 : in.Byte();
    for (auto& e : s.Edges) {
        e.Omitted = in.Small(2) == 0;
        e.LineWidth = in.Small(5) - 1;
        e.LineColor = in.Byte() * 0x030201;
    }
    s.FillPattern = static_cast<std::uint8_t>(in.Small(3));
    s.FillColor = in.Small(4) == 0 ? 0xFFFFFF : in.Byte() * 0x050403;
    return s;
}

cx::TcxExportValue ValueFrom(Input& in) {
    switch (in.Small(10)) {
        case 0:
            return cx::TcxExportValue::Integer(static_cast<std::int32_t>(in.Byte() << 20));
        case 1:
            return cx::TcxExportValue::Double(in.Byte() * 1.5 - 100);
        case 2:
            return cx::TcxExportValue::Date(in.Byte() - 60.25);
        case 3:
            return cx::TcxExportValue::Currency(in.Byte() * 12345);
        case 4:
            return cx::TcxExportValue::Boolean(in.Byte() & 1);
        case 5:
            return cx::TcxExportValue::String(in.Text());
        case 6:
            return cx::TcxExportValue::OleStr(in.WideText());
        case 7:
            return cx::TcxExportValue::Bcd(in.Text());
        case 8:
            return cx::TcxExportValue::TimeStamp(
                {1900 + in.Byte(), 1 + in.Small(12), 1 + in.Small(28), in.Small(24), 0, 0, 0});
        default:
            return cx::TcxExportValue::Null();
    }
}

void Drive(cx::IcxExportProvider& p, Input& in) {
    while (!in.Empty()) {
        try {
            switch (in.Small(16)) {
                case 0: {
                    cx::TcxExportCellStyle s = StyleFrom(in);
                    p.AddBaseStyle(s);
                    break;
                }
                case 1:
                    p.PrepareSheet(1 + in.Small(40), 1 + in.Small(300), in.Byte() & 1);
                    break;
                case 2: {
                    cx::TcxExportCellStyle s = StyleFrom(in);
                    p.AddStyle(s);
                    break;
                }
                case 3:
                    p.ApplyStyle(in.Coordinate(), in.Coordinate(), in.Small(6));
                    break;
                case 4: {
                    const int c = in.Coordinate(), r = in.Coordinate();
                    p.MergeWithStyle(c, r, in.Count(), in.Count(), in.Small(4));
                    break;
                }
                case 5:
                    p.AddMerge(in.Coordinate(), in.Coordinate(), in.Count(), in.Count());
                    break;
                case 6:
                    p.PutText(in.Coordinate(), in.Coordinate(), in.Text());
                    break;
                case 7:
                    p.PutWideText(in.Coordinate(), in.Coordinate(), in.WideText());
                    break;
                case 8:
                    p.PutValue(in.Coordinate(), in.Coordinate(), ValueFrom(in));
                    break;
                case 9:
                    p.PutNumber(in.Coordinate(), in.Coordinate(), in.Byte() / 7.0);
                    break;
                case 10:
                    p.DefineColumnWidth(in.Coordinate(), in.Byte() * in.Byte());
                    break;
                case 11:
                    p.DefineRowHeight(in.Coordinate(), in.Byte() * 40);
                    break;
                case 12:
                    p.StyleOfCell(in.Coordinate(), in.Coordinate());
                    break;
                case 13:
                    p.CopyCellStyle(in.Coordinate(), in.Coordinate(), in.Coordinate(),
                                    in.Coordinate());
                    break;
                case 14: {
                    cx::TcxExportCellStyle s = StyleFrom(in);
                    p.ApplyStyleRecord(in.Coordinate(), in.Coordinate(), s);
                    break;
                }
                default:
                    p.PutInteger(in.Coordinate(), in.Coordinate(), in.Byte());
                    break;
            }
        } catch (const cx::EcxExportData&) {
        } catch (const cx::EListError&) {
        }
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const bool initialized = [] {
        cx::InitXLSExportModule();
        cx::InitExportSupport();
        return true;
    }();
    (void)initialized;
    Input in(data, size);
    const std::filesystem::path file = TempPath() / "fuzz.xls";
    {
        cx::TcxExportProviderRef provider =
            cx::TcxExport::CreateProvider(cx::kExportTypeXLS, file.string());
        Drive(*provider, in);
        try {
            provider->Finish();
        } catch (const cx::EcxExportData&) {
        } catch (const cx::EListError&) {
        }
    }
    std::error_code ignored;
    std::filesystem::remove(file, ignored);
    return 0;
}
