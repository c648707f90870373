#include "platform/RegionalSettings.h"

#include <langinfo.h>

#include <clocale>

#include "platform/CodePage.h"

namespace platform {
namespace {

std::string& separatorSlot() {
    static std::string separator = ".";
    return separator;
}

// The locale gives its separator in its own character set; the program needs Windows-1250.
std::string separatorInProgramCodePage(const char* localeSeparator) {
    const std::string raw = localeSeparator ? localeSeparator : "";
    if (raw.empty())
        return ".";
    const std::string codeset = nl_langinfo(CODESET);
    const std::u16string wide = codeset == "UTF-8" ? utf8ToUtf16(raw) : multiByteToWide(28591, raw);
    if (wide.find(u'\uFFFD') != std::u16string::npos)
        return ".";
    const std::string converted = wideToMultiByte(kAnsiCodePage, wide);
    if (converted.find('?') != std::string::npos)
        return ".";
    return converted;
}

}  // namespace

const std::string& thousandsSeparator() {
    return separatorSlot();
}

void loadRegionalSettingsFromLocale() {
    separatorSlot() = separatorInProgramCodePage(std::localeconv()->thousands_sep);
}

void setThousandsSeparator(std::string separator) {
    separatorSlot() = std::move(separator);
}

}  // namespace platform
