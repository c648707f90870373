#include "platform/ScreenScale.h"

namespace platform {
namespace {

int gPixelsPerInch = kDefaultPixelsPerInch;

}  // namespace

int screenPixelsPerInch() {
    return gPixelsPerInch;
}

void setScreenPixelsPerInch(int pixelsPerInch) {
    gPixelsPerInch = pixelsPerInch;
}

}  // namespace platform
