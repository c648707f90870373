#include "export/cxXLSExport.h"

#include <algorithm>
#include <limits>
#include <stdexcept>

#include "export/cxExportStyleManager.h"
#include "platform/CodePage.h"
#include "platform/ScreenScale.h"

namespace cx {
namespace {

class XLSProviderClass final : public TcxExportProviderClass {
  public:
    TcxExportProviderRef Create(std::string_view fileName) const override {
        auto* provider = new TcxXLSExportProvider(fileName);
        provider->AddRef();
        return TcxExportProviderRef::Adopt(provider);
    }
    int ExportTypeNumber() const override { return TcxXLSExportProvider::ExportTypeNumber(); }
    std::string ExportDescription() const override {
        return TcxXLSExportProvider::ExportDescription();
    }
};

double gScreenScale = 1.0;

// Characters Excel refuses in a sheet name.
bool refusedInSheetName(char16_t c) {
    return c == u'[' || c == u']' || c == u':' || c == u'*' || c == u'?' || c == u'/' || c == u'\\';
}

}  // namespace

const TcxExportProviderClass& TcxXLSExportProvider::Class() {
    static const XLSProviderClass instance;
    return instance;
}

void InitXLSExportModule() {
    TcxExport::RegisterProviderClass(&TcxXLSExportProvider::Class());
    MeasureScreenScale();
}

double ScreenScale() {
    return gScreenScale;
}

void MeasureScreenScale() {
    gScreenScale = std::max(platform::screenPixelsPerInch() / 96.0, 1.0);
}

std::u16string SheetTitleOf(std::string_view fileName) {
    std::string name(fileName);
    std::replace(name.begin(), name.end(), '/', '\\');
    const std::size_t slash = name.rfind('\\');
    if (slash != std::string::npos)
        name.erase(0, slash + 1);
    const std::size_t dot = name.rfind('.');
    if (dot != std::string::npos)
        name.erase(dot);

    std::u16string title = platform::multiByteToWide(platform::kAnsiCodePage, name);
    if (title.size() > kMaxSheetNameLength)
        title.resize(kMaxSheetNameLength);
    for (char16_t& c : title) {
        if (refusedInSheetName(c))
            c = u'_';
    }
    if (!title.empty() && title.front() == u'\'')
        title.front() = u'_';
    if (!title.empty() && title.back() == u'\'')
        title.back() = u'_';
    if (title.empty())
        title = u"Sheet1";
    return title;
}

TcxXLSExportProvider::TcxXLSExportProvider(std::string_view fileName)
    : TcxCustomExportProvider(fileName), sheetTitle_(SheetTitleOf(fileName)) {
    outputFile_ = std::make_unique<detail::TcxXLSOutputFile>(detail::NativePathOf(OutputFileName()),
                                                             std::string(fileName));
    styleRegistry_ = TcxExportStyleManager::Acquire(fileName);
}

TcxXLSExportProvider::~TcxXLSExportProvider() {
    if (styleRegistry_)
        styleRegistry_->Release();
}

std::uint64_t TcxXLSExportProvider::GlobalsSize() const {
    return detail::kGlobalsFixedSize + 2 * sheetTitle_.size() + fontRecords_.RecordsSize() +
           formatRecords_.RecordsSize() + sharedStrings_.TableSize();
}

std::uint64_t TcxXLSExportProvider::StreamSize() const {
    return GlobalsSize() + detail::kSheetFixedSize + columnRecords_.RecordsSize() +
           rowRecords_.RecordsSize() + cellStore_.RecordsSize() +
           detail::MergedCellsSize(mergedRanges_.size());
}

void TcxXLSExportProvider::WriteGlobals(detail::TcxByteStream& out, std::uint64_t streamStart) {
    using namespace detail;
    const auto sheetPosition = static_cast<std::uint32_t>(GlobalsSize());
    WriteBof(out, kBofWorkbookGlobals);
    WriteTabId(out);
    WriteWindow1(out);
    for (int i = 0; i < kDefaultFontCount; ++i)
        WriteDefaultFont(out);
    fontRecords_.WriteRecords(out);
    for (int i = 0; i < kFixedXfCount; ++i)
        WriteFixedXf(out, i);
    formatRecords_.WriteRecords(out);
    WritePalette(out, palette_.Colors());
    WriteBuiltInStyles(out);
    WriteBoundSheet(out, sheetPosition, sheetTitle_);
    sharedStrings_.WriteTable(out, static_cast<std::uint32_t>(out.Position() - streamStart));
    WriteSupBook(out);
    WriteExternSheet(out);
    WriteEof(out);
    // BOUNDSHEET holds the offset of the worksheet's BOF, known before it was written.
    if (out.Position() - streamStart != sheetPosition) {
        throw std::logic_error("workbook globals differ from their computed size");
    }
}

void TcxXLSExportProvider::WriteSheet(detail::TcxByteStream& out) {
    using namespace detail;
    WriteBof(out, kBofWorksheet);
    // An unprepared sheet has no cells: 0 rows and 0 columns.
    WriteDimensions(out, std::max(sheetRows_, 0), std::max(sheetColumns_, 0));
    WriteWindow2(out, gridLinesShown_);
    columnRecords_.WriteRecords(out);
    rowRecords_.WriteRecords(out);
    cellStore_.WriteRecords(out);
    WriteMergedCells(out, mergedRanges_);
    WriteEof(out);
}

void TcxXLSExportProvider::WriteWorkbookStream(detail::TcxByteStream& out) {
    FormatCells();
    const std::uint64_t start = out.Position();
    WriteGlobals(out, start);
    WriteSheet(out);
    if (out.Position() - start != StreamSize()) {
        throw std::logic_error("workbook stream differs from its computed size");
    }
}

void TcxXLSExportProvider::Finish() {
    if (!outputFile_ || !outputFile_->IsOpen()) {
        throw EcxExportData(MessageLookup(TcxExportMessage::ErrorWriteXLSFile));
    }
    try {
        FormatCells();
        const std::uint64_t size = StreamSize();
        if (size > std::numeric_limits<std::uint32_t>::max()) {
            throw EcxExportData(MessageLookup(TcxExportMessage::ErrorWriteXLSFile));
        }
        const auto streamSize = static_cast<std::uint32_t>(size);
        detail::TcxByteStream out(outputFile_->Descriptor(), outputFile_->DisplayName());
        containerWriter_.WriteContainer(streamSize, &out);
        WriteWorkbookStream(out);
        // Whole sectors: the last one is filled with zeros.
        out.Zeros(detail::ComputeContainerLayout(streamSize).PaddingSize);
        out.Flush();
        outputFile_->Commit();
    } catch (...) {
        outputFile_->Discard();
        throw;
    }
}

}  // namespace cx
