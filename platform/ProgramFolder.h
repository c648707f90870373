#pragma once
// The folder of the program's executable, where the default workbook names are proposed.

#include <filesystem>

namespace platform {

std::filesystem::path programFolder();

}  // namespace platform
