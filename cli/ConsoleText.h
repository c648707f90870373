#pragma once
// Program text (Windows-1250) as the console gets it (UTF-8).

#include <string>
#include <string_view>

namespace cli {

// UTF-8, with each CR LF written as LF and one LF at the end unless there is one.
std::string clipboardTextForConsole(std::string_view programText);

}  // namespace cli
