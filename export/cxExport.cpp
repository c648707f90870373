#include "export/cxExport.h"

#include <algorithm>
#include <cstring>
#include <vector>

#include "export/cxExportStyleManager.h"
#include "platform/CodePage.h"
#include "platform/SystemColors.h"

namespace cx {
namespace {

struct ExportSupport {
    bool initialized = false;
    TcxMessageLookup lookup;
    TcxColorConvert convert;
    std::int32_t windowColor = 0;
    TcxExportCellStyle defaultStyle{};
};

ExportSupport& support() {
    static ExportSupport instance;
    return instance;
}

ExportSupport& initializedSupport() {
    ExportSupport& s = support();
    if (!s.initialized)
        InitExportSupport();
    return s;
}

std::vector<const TcxExportProviderClass*>& providerClasses() {
    static std::vector<const TcxExportProviderClass*> classes;
    return classes;
}

}  // namespace

// ---------------------------------------------------------------------------
// Messages

std::string BuiltInMessage(TcxExportMessage id) {
    switch (id) {
        case TcxExportMessage::UnsupportedExportType:
            return "Unsupported export type: %1";
        case TcxExportMessage::StyleManagerInUse:
            return "The Style Manager is currently being used elsewhere and can not be "
                   "released at this stage";
        case TcxExportMessage::InvalidCellDimension:
            return "Invalid cell dimension";
        case TcxExportMessage::ErrorWriteXLSFile:
            return "Error write XLS file";
        case TcxExportMessage::TooManySheetRows:
            return "The sheet would have %1 rows, but an Excel worksheet holds at most %2";
        case TcxExportMessage::TooManySheetColumns:
            return "The sheet would have %1 columns, but an Excel worksheet holds at most %2";
        case TcxExportMessage::InvalidSheetSize:
            return "Invalid sheet size: %1 columns and %2 rows";
        case TcxExportMessage::SheetAlreadyPrepared:
            return "The sheet is already prepared";
        case TcxExportMessage::CannotReplaceOutputFile:
            return "Can't replace the file \"%1\": %2";
        case TcxExportMessage::ListIndexOutOfBounds:
            return "List index out of bounds (%1)";
        case TcxExportMessage::WriteFailed:
            return "Error writing the file \"%1\": %2";
    }
    return {};
}

std::string MessageLookup(TcxExportMessage id) {
    const ExportSupport& s = support();
    if (s.lookup)
        return s.lookup(id);
    return BuiltInMessage(id);
}

std::string FormatExportMessage(TcxExportMessage id, std::string_view arg1, std::string_view arg2) {
    const std::string pattern = MessageLookup(id);
    std::string out;
    out.reserve(pattern.size() + arg1.size() + arg2.size());
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        if (pattern[i] == '%' && i + 1 < pattern.size() &&
            (pattern[i + 1] == '1' || pattern[i + 1] == '2')) {
            out += pattern[i + 1] == '1' ? arg1 : arg2;
            ++i;
        } else {
            out += pattern[i];
        }
    }
    return out;
}

// ---------------------------------------------------------------------------
// Style records

void SetFontFace(TcxExportCellStyle& style, std::string_view face) {
    std::memset(style.FontFace, 0, kFontFaceSize);
    std::memcpy(style.FontFace, face.data(), std::min(face.size(), kFontFaceSize - 1));
}

std::string FontFaceOf(const TcxExportCellStyle& style) {
    const char* end = static_cast<const char*>(std::memchr(style.FontFace, 0, kFontFaceSize));
    return std::string(style.FontFace,
                       end ? static_cast<std::size_t>(end - style.FontFace) : kFontFaceSize);
}

bool SameStyle(const TcxExportCellStyle& a, const TcxExportCellStyle& b) {
    return std::memcmp(&a, &b, kStyleIdentityBytes) == 0;
}

// ---------------------------------------------------------------------------
// Set-up and helpers

TcxExportCellStyle& DefaultExportStyle() {
    return initializedSupport().defaultStyle;
}

void InitExportSupport(TcxMessageLookup lookup, TcxColorConvert convert, bool) {
    ExportSupport& s = support();
    s.lookup = std::move(lookup);
    s.convert = convert ? std::move(convert) : TcxColorConvert(platform::colorToRGB);
    s.initialized = true;
    s.windowColor = platform::sysColor(platform::kColorWindow);
    TcxExportStyleManager::ResetRegistryList();

    TcxExportCellStyle& d = s.defaultStyle;
    std::memset(&d, 0, sizeof d);
    d.Alignment = 1;
    SetFontFace(d, "Tahoma");
    d.FontFlags = 0;
    d.TextColor = platform::sysColor(platform::kColorBtnText);
    d.PointSize = 8;
    d.CharacterSet = 0;
    for (TcxExportEdge& edge : d.Edges) {
        edge.Omitted = false;
        edge.LineWidth = 1;
        edge.LineColor = platform::sysColor(platform::kColorBtnShadow);
    }
    d.FillPattern = 1;
    d.FillColor = s.windowColor;
    d.PatternColor = 0;
    d.Checksum = 0;
}

std::int32_t ExportWindowColor() {
    return initializedSupport().windowColor;
}

std::uint32_t ExportHash(const void* data, std::size_t count) {
    const auto* bytes = static_cast<const unsigned char*>(data);
    std::uint32_t hash = 0;
    for (std::size_t i = 0; i < count; ++i) {
        hash = (hash << 5) | (hash >> 27);
        hash ^= bytes[i];
    }
    return hash;
}

std::int32_t ExportColor(std::int32_t color) {
    return initializedSupport().convert(color);
}

unsigned CharsetCodePage(std::int32_t charset) {
    switch (charset) {
        case 128:
            return 932;
        case 129:
        case 130:
            return 949;
        case 134:
            return 936;
        case 136:
            return 950;
        case 161:
            return 1253;
        case 162:
            return 1254;
        case 177:
            return 1255;
        case 178:
            return 1256;
        case 186:
            return 1257;
        case 204:
            return 1251;
        case 222:
            return 874;
        case 238:
            return 1250;
        default:
            return 0;
    }
}

namespace {
unsigned effectiveCodePage(std::int32_t charset) {
    const unsigned codePage = CharsetCodePage(charset);
    return codePage == 0 ? platform::kAnsiCodePage : codePage;
}
}  // namespace

std::u16string AnsiToWideByCharset(std::string_view text, std::int32_t charset) {
    return platform::multiByteToWide(effectiveCodePage(charset), text);
}

std::string WideToAnsiByCharset(std::u16string_view text, std::int32_t charset) {
    return platform::wideToMultiByte(effectiveCodePage(charset), text);
}

bool HasNonAsciiChar(std::string_view text) {
    return std::any_of(text.begin(), text.end(),
                       [](char c) { return static_cast<unsigned char>(c) >= 128; });
}

std::u16string ExtractFileNamePart(std::u16string_view path) {
    const std::size_t slash = path.rfind(u'\\');
    return std::u16string(slash == std::u16string_view::npos ? path : path.substr(slash + 1));
}

// ---------------------------------------------------------------------------
// References

TcxExportProviderRef TcxExportProviderRef::Adopt(IcxExportProvider* provider) {
    TcxExportProviderRef ref;
    ref.provider_ = provider;
    return ref;
}

TcxExportProviderRef::TcxExportProviderRef(const TcxExportProviderRef& other)
    : provider_(other.provider_) {
    if (provider_)
        provider_->AddRef();
}

TcxExportProviderRef::TcxExportProviderRef(TcxExportProviderRef&& other) noexcept
    : provider_(other.provider_) {
    other.provider_ = nullptr;
}

TcxExportProviderRef& TcxExportProviderRef::operator=(TcxExportProviderRef other) noexcept {
    std::swap(provider_, other.provider_);
    return *this;
}

TcxExportProviderRef::~TcxExportProviderRef() {
    reset();
}

void TcxExportProviderRef::reset() {
    IcxExportProvider* provider = provider_;
    provider_ = nullptr;
    if (provider)
        provider->Release();
}

// ---------------------------------------------------------------------------
// Provider classes

bool TcxExport::RegisterProviderClass(const TcxExportProviderClass* providerClass) {
    if (!providerClass)
        return false;
    auto& classes = providerClasses();
    for (const TcxExportProviderClass* listed : classes) {
        if (listed == providerClass ||
            listed->ExportTypeNumber() == providerClass->ExportTypeNumber()) {
            return false;
        }
    }
    classes.push_back(providerClass);
    return true;
}

void TcxExport::UnregisterProviderClass(const TcxExportProviderClass* providerClass) {
    auto& classes = providerClasses();
    classes.erase(std::remove(classes.begin(), classes.end(), providerClass), classes.end());
}

const TcxExportProviderClass& TcxExport::ProviderClassFor(int exportType) {
    for (const TcxExportProviderClass* listed : providerClasses()) {
        if (listed->ExportTypeNumber() == exportType)
            return *listed;
    }
    throw EcxExportData(
        FormatExportMessage(TcxExportMessage::UnsupportedExportType, std::to_string(exportType)));
}

TcxExportProviderRef TcxExport::CreateProvider(int exportType, std::string_view fileName) {
    return ProviderClassFor(exportType).Create(fileName);
}

// ---------------------------------------------------------------------------
// Base provider

namespace {
std::u16string outputFileNameOf(std::string_view fileName) {
    std::u16string name = platform::multiByteToWide(platform::kAnsiCodePage, fileName);
    std::replace(name.begin(), name.end(), u'/', u'\\');
    return name;
}
}  // namespace

TcxCustomExportProvider::TcxCustomExportProvider(std::string_view fileName)
    : outputFileName_(outputFileNameOf(fileName)) {}

IcxExportProvider* TcxCustomExportProvider::QueryInterface(const TcxGUID& iid) {
    if (!(iid == IID))
        return nullptr;
    AddRef();
    return this;
}

int TcxCustomExportProvider::AddRef() {
    return ++refCount_;
}

int TcxCustomExportProvider::Release() {
    const int count = --refCount_;
    if (count == 0)
        delete this;
    return count;
}

}  // namespace cx
