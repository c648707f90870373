#include "platform/ProgramFolder.h"

#include <system_error>

namespace platform {

std::filesystem::path programFolder() {
    std::error_code error;
    const auto executable = std::filesystem::read_symlink("/proc/self/exe", error);
    if (!error)
        return executable.parent_path();
    return std::filesystem::current_path(error);
}

}  // namespace platform
