#pragma once
// The program asks for Tahoma (and Verdana in the About window). Where a desktop lacks
// them, metric-alike families stand in, so that the laid-out texts keep their width.

namespace platform::qt {

// Registers substitutes for the missing families; call once, after the application exists.
void substituteMissingFonts();

}  // namespace platform::qt
