#include "platform/ProgramFolder.h"

#include <system_error>

#ifdef _WIN32
#include <windows.h>
#endif

namespace platform {

std::filesystem::path programFolder() {
#ifdef _WIN32
    wchar_t buffer[MAX_PATH];
    const DWORD length = GetModuleFileNameW(nullptr, buffer, MAX_PATH);
    if (length > 0 && length < MAX_PATH)
        return std::filesystem::path(buffer).parent_path();
#else
    std::error_code error;
    const auto executable = std::filesystem::read_symlink("/proc/self/exe", error);
    if (!error)
        return executable.parent_path();
#endif
    std::error_code ignored;
    return std::filesystem::current_path(ignored);
}

}  // namespace platform
