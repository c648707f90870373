#pragma once
// The platform's input/output errors: a file that cannot be opened, read or created.

#include <filesystem>
#include <stdexcept>
#include <string>

namespace platform {

// A file could not be opened or read. The message (Windows-1250) names the file and the reason.
class EInOutError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

// A file could not be created for writing.
class EFCreateError : public EInOutError {
  public:
    using EInOutError::EInOutError;
};

// "<what> "<path>": <reason>" in the program's code page.
std::string fileErrorText(const std::string& what, const std::filesystem::path& path,
                          int errorNumber);

// True when `path` names something that exists and is not a folder.
bool fileExists(const std::filesystem::path& path);

}  // namespace platform
