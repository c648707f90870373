#include "platform/InOutError.h"

#include <cstring>
#include <system_error>

#include "platform/CodePage.h"

namespace platform {

std::string fileErrorText(const std::string& what, const std::filesystem::path& path,
                          int errorNumber) {
    return what + " \"" + utf8ToCp1250(path.string()) +
           "\": " + utf8ToCp1250(std::strerror(errorNumber));
}

bool fileExists(const std::filesystem::path& path) {
    std::error_code error;
    const auto status = std::filesystem::status(path, error);
    return !error && std::filesystem::exists(status) && !std::filesystem::is_directory(status);
}

}  // namespace platform
