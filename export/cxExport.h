#pragma once
// The export document model: the cell style record, the provider interface through
// which an export fills one document, the registry of provider classes, and the
// text, colour and checksum helpers shared by the providers and the grid export.

#include <cstddef>
#include <cstdint>
#include <functional>
#include <stdexcept>
#include <string>
#include <string_view>

#include "export/cxExportValue.h"
#include "platform/InOutError.h"

namespace cx {

// ---------------------------------------------------------------------------
// Errors

// A failure of the document model or of a writer; its text comes from MessageLookup.
class EcxExportData : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

// The output file (or its temporary stand-in) cannot be created: the platform's
// file-creation error.
using EFCreateError = platform::EFCreateError;

// Writing the output file failed (disk full, I/O error).
class EWriteError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

// A list was indexed outside its items (an unknown style index).
class EListError : public std::out_of_range {
  public:
    using std::out_of_range::out_of_range;
};

// ---------------------------------------------------------------------------
// Messages

enum class TcxExportMessage {
    UnsupportedExportType,  // %1 = the export type number
    StyleManagerInUse,
    InvalidCellDimension,
    ErrorWriteXLSFile,
    TooManySheetRows,     // %1 = rows asked for, %2 = the limit
    TooManySheetColumns,  // %1 = columns asked for, %2 = the limit
    InvalidSheetSize,     // %1 = columns, %2 = rows
    SheetAlreadyPrepared,
    CannotReplaceOutputFile,  // %1 = file name, %2 = reason
    ListIndexOutOfBounds,     // %1 = the index
    WriteFailed,              // %1 = file name, %2 = reason
};

// Returns the text of a message; a host may install its own (translations).
using TcxMessageLookup = std::function<std::string(TcxExportMessage)>;
// Converts a colour to 0x00BBGGRR, resolving system colours (negative values).
using TcxColorConvert = std::function<std::int32_t(std::int32_t)>;

// The built-in English text of a message.
std::string BuiltInMessage(TcxExportMessage id);
// The text of a message through the lookup installed by InitExportSupport.
std::string MessageLookup(TcxExportMessage id);
// The message text with %1, %2 replaced by the arguments.
std::string FormatExportMessage(TcxExportMessage id, std::string_view arg1 = {},
                                std::string_view arg2 = {});

// ---------------------------------------------------------------------------
// The cell style record, passed by value across the provider interface. Packed:
// each field directly follows the previous one, so two styles compare and hash as
// their bytes (the bytes after the font name's terminator included).

#pragma pack(push, 1)
struct TcxExportEdge {
    bool Omitted;            // true: no line for this edge
    std::int32_t LineWidth;  // 0 none, 1 thin, 2 medium, 3 or more thick
    std::int32_t LineColor;  // 0x00BBGGRR
};

enum TcxExportEdgeSide : int { kEdgeLeft = 0, kEdgeTop = 1, kEdgeRight = 2, kEdgeBottom = 3 };

constexpr std::size_t kFontFaceSize = 33;

struct TcxExportCellStyle {
    std::uint8_t Alignment;        // 0 left, 1 centre, 2 right
    char FontFace[kFontFaceSize];  // zero-terminated, zero after the terminator
    std::uint8_t FontFlags;        // kFontBold | kFontItalic | kFontUnderline | kFontStrikeOut
    std::int32_t TextColor;        // 0x00BBGGRR
    std::int32_t PointSize;
    std::int32_t CharacterSet;  // 0 ANSI, 238 Central European, ...
    TcxExportEdge Edges[4];     // left, top, right, bottom (TcxExportEdgeSide)
    std::uint8_t FillPattern;   // 0 none, 1 solid
    std::int32_t FillColor;     // 0x00BBGGRR
    std::int32_t PatternColor;  // compared, not written by the Excel provider
    std::int32_t Checksum;      // ExportHash of every byte above; set by registration
};
#pragma pack(pop)

static_assert(sizeof(TcxExportEdge) == 9);
static_assert(offsetof(TcxExportEdge, LineWidth) == 1);
static_assert(offsetof(TcxExportEdge, LineColor) == 5);
static_assert(offsetof(TcxExportCellStyle, FontFace) == 1);
static_assert(offsetof(TcxExportCellStyle, FontFlags) == 34);
static_assert(offsetof(TcxExportCellStyle, TextColor) == 35);
static_assert(offsetof(TcxExportCellStyle, PointSize) == 39);
static_assert(offsetof(TcxExportCellStyle, CharacterSet) == 43);
static_assert(offsetof(TcxExportCellStyle, Edges) == 47);
static_assert(offsetof(TcxExportCellStyle, FillPattern) == 83);
static_assert(offsetof(TcxExportCellStyle, FillColor) == 84);
static_assert(offsetof(TcxExportCellStyle, PatternColor) == 88);
static_assert(offsetof(TcxExportCellStyle, Checksum) == 92);
static_assert(sizeof(TcxExportCellStyle) == 96);

constexpr std::uint8_t kFontBold = 0x01;
constexpr std::uint8_t kFontItalic = 0x02;
constexpr std::uint8_t kFontUnderline = 0x04;
constexpr std::uint8_t kFontStrikeOut = 0x08;

// Bytes of a style that identify it: everything before Checksum.
constexpr std::size_t kStyleIdentityBytes = offsetof(TcxExportCellStyle, Checksum);

// Sets the font name, zero-filling the rest of the field (names over 32 bytes are cut).
void SetFontFace(TcxExportCellStyle& style, std::string_view face);
// The font name up to its terminator.
std::string FontFaceOf(const TcxExportCellStyle& style);
// True when every byte before Checksum is equal.
bool SameStyle(const TcxExportCellStyle& a, const TcxExportCellStyle& b);

// ---------------------------------------------------------------------------
// Export set-up and helpers

// The process-wide default style built by InitExportSupport (built on first use with the
// built-in messages and system colours when InitExportSupport has not run).
TcxExportCellStyle& DefaultExportStyle();

// Stores the message lookup and colour conversion (empty: the built-in ones), reads the
// system colours, creates an empty list of style registries and builds DefaultExportStyle.
// `keepConvertedColors` is always true: converted colours are used as they are.
void InitExportSupport(TcxMessageLookup lookup = {}, TcxColorConvert convert = {},
                       bool keepConvertedColors = true);

// The system window colour read by InitExportSupport (a fill in it is written as no fill).
std::int32_t ExportWindowColor();

// Rotate left by 5, then exclusive-or each byte into the low 8 bits.
std::uint32_t ExportHash(const void* data, std::size_t count);
// A colour as 0x00BBGGRR; negative values are system colours.
std::int32_t ExportColor(std::int32_t color);
// The code page of a font character set; 0 means the system ANSI code page.
unsigned CharsetCodePage(std::int32_t charset);
std::u16string AnsiToWideByCharset(std::string_view text, std::int32_t charset);
std::string WideToAnsiByCharset(std::u16string_view text, std::int32_t charset);
bool HasNonAsciiChar(std::string_view text);
// The part of a path after its last "\" (the whole path when it has none).
std::u16string ExtractFileNamePart(std::u16string_view path);

// ---------------------------------------------------------------------------
// The provider interface

struct TcxGUID {
    std::uint32_t D1;
    std::uint16_t D2;
    std::uint16_t D3;
    std::uint8_t D4[8];
    friend bool operator==(const TcxGUID&, const TcxGUID&) = default;
};

// A picture handed to PutPicture; no provider of this program draws pictures.
struct TcxExportPicture;

// The operations through which an export fills one document, in their fixed slot order.
// Columns and rows are 0-based; the column always comes first. The object lives while a
// reference is held (AddRef / Release); hold it through TcxExportProviderRef.
class IcxExportProvider {
  public:
    static constexpr TcxGUID IID = {
        0x442A08A8, 0xCDDA, 0x4FD6, {0x8E, 0x15, 0x9D, 0x8B, 0xD3, 0x45, 0x54, 0xF6}};

    // Identity and reference counting.
    virtual IcxExportProvider* QueryInterface(const TcxGUID& iid) = 0;  // adds a reference
    virtual int AddRef() = 0;
    virtual int Release() = 0;  // the last release destroys the provider

    virtual void Finish() = 0;                                                             // 1
    virtual const TcxExportCellStyle* StyleOfCell(int column, int row) = 0;                // 2
    virtual const TcxExportCellStyle& StyleAt(int index) = 0;                              // 3
    virtual int AddStyle(TcxExportCellStyle& style) = 0;                                   // 4
    virtual void PutNumber(int column, int row, double value) = 0;                         // 5
    virtual void PutInteger(int column, int row, std::int32_t value) = 0;                  // 6
    virtual void PutText(int column, int row, std::string_view text) = 0;                  // 7
    virtual void PutWideText(int column, int row, std::u16string_view text) = 0;           // 8
    virtual void ApplyStyle(int column, int row, int styleIndex) = 0;                      // 9
    virtual void CopyCellStyle(int column, int row, int sourceColumn, int sourceRow) = 0;  // 10
    virtual void ApplyStyleRecord(int column, int row, TcxExportCellStyle& style) = 0;     // 11
    // Note the order: rows before columns.
    virtual void MergeWithStyle(int column, int row, int rowCount, int columnCount,
                                int styleIndex) = 0;                                    // 12
    virtual void AddMerge(int column, int row, int rowCount, int columnCount) = 0;      // 13
    virtual void PutValue(int column, int row, const TcxExportValue& value) = 0;        // 14
    virtual void DefineColumnWidth(int column, int pixels) = 0;                         // 15
    virtual void AddBaseStyle(TcxExportCellStyle& style) = 0;                           // 16
    virtual void PrepareSheet(int columnCount, int rowCount, bool showGridLines) = 0;   // 17
    virtual void DefineRowHeight(int row, int pixels) = 0;                              // 18
    virtual void PutPicture(int column, int row, const TcxExportPicture* picture) = 0;  // 19
    virtual bool CanPutPicture() = 0;                                                   // 20

  protected:
    virtual ~IcxExportProvider() = default;
};

// A counted reference to a provider: copying adds a reference, destruction releases it.
class TcxExportProviderRef {
  public:
    TcxExportProviderRef() = default;
    // Takes over a reference the caller already holds.
    static TcxExportProviderRef Adopt(IcxExportProvider* provider);
    TcxExportProviderRef(const TcxExportProviderRef& other);
    TcxExportProviderRef(TcxExportProviderRef&& other) noexcept;
    TcxExportProviderRef& operator=(TcxExportProviderRef other) noexcept;
    ~TcxExportProviderRef();

    IcxExportProvider* operator->() const { return provider_; }
    IcxExportProvider& operator*() const { return *provider_; }
    IcxExportProvider* get() const { return provider_; }
    explicit operator bool() const { return provider_ != nullptr; }
    void reset();

  private:
    IcxExportProvider* provider_ = nullptr;
};

// The class-level side of a provider: its constructor and its type number and description.
class TcxExportProviderClass {
  public:
    virtual ~TcxExportProviderClass() = default;
    // Creates a provider writing `fileName` (Windows-1250 bytes; "\" or "/" separators).
    virtual TcxExportProviderRef Create(std::string_view fileName) const = 0;
    virtual int ExportTypeNumber() const { return -1; }
    virtual std::string ExportDescription() const { return {}; }
};

// The process-wide registry of provider classes by export type number.
class TcxExport {
  public:
    // False for no class, or when a class with that number, or the same class, is listed.
    static bool RegisterProviderClass(const TcxExportProviderClass* providerClass);
    static void UnregisterProviderClass(const TcxExportProviderClass* providerClass);
    // The first registered class answering `exportType`; EcxExportData when none does.
    static const TcxExportProviderClass& ProviderClassFor(int exportType);
    static TcxExportProviderRef CreateProvider(int exportType, std::string_view fileName);
};

// Base of all providers: the reference count and the output file name.
class TcxCustomExportProvider : public IcxExportProvider {
  public:
    explicit TcxCustomExportProvider(std::string_view fileName);

    IcxExportProvider* QueryInterface(const TcxGUID& iid) override;
    int AddRef() override;
    int Release() override;

    // The output file name as UTF-16, every "/" replaced by "\".
    const std::u16string& OutputFileName() const { return outputFileName_; }

  protected:
    ~TcxCustomExportProvider() override = default;

  private:
    int refCount_ = 0;
    std::u16string outputFileName_;
};

// The export type number of the Excel workbook provider.
constexpr int kExportTypeXLS = 1;

}  // namespace cx
