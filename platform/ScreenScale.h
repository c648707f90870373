#pragma once
// The screen's resolution, in place of GetDeviceCaps(LOGPIXELSY): 96 dots per inch
// unless a test or the host says otherwise.

namespace platform {

constexpr int kDefaultPixelsPerInch = 96;

// Vertical pixels per inch of the screen.
int screenPixelsPerInch();

// Replaces the measured value (tests run at 120 to check the scaling).
void setScreenPixelsPerInch(int pixelsPerInch);

}  // namespace platform
