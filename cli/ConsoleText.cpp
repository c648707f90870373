#include "cli/ConsoleText.h"

#include "platform/CodePage.h"

namespace cli {

std::string clipboardTextForConsole(std::string_view programText) {
    const std::string utf8 = platform::cp1250ToUtf8(programText);
    std::string out;
    out.reserve(utf8.size() + 1);
    for (size_t i = 0; i < utf8.size(); ++i) {
        if (utf8[i] == '\r' && i + 1 < utf8.size() && utf8[i + 1] == '\n')
            continue;
        out.push_back(utf8[i]);
    }
    if (out.empty() || out.back() != '\n')
        out.push_back('\n');
    return out;
}

}  // namespace cli
