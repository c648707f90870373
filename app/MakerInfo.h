#pragma once
// The maker's data shown by the main window and the About window, in the program's code
// page (Windows-1250).

namespace app::maker {

inline constexpr const char* kWebHost = "stanjomer.example";
inline constexpr const char* kWebAddress = "https://stanjomer.example/";
inline constexpr const char* kEmail = "podrska@stanjomer.example";
inline constexpr const char* kAuthor = "Stanjomer tim";
// "Besplatan program — © 2026 Stanjomer tim" (0x97 is the em dash, 0xA9 the copyright sign).
inline constexpr const char* kNotice = "Besplatan program \x97 \xa9 2026 Stanjomer tim";

inline constexpr const char* kProductName = "Stanjomer";
inline constexpr const char* kVersion = "v1.10";

}  // namespace app::maker
