#include "platform/Clipboard.h"

namespace platform {
namespace {

MemoryClipboard& defaultClipboard() {
    static MemoryClipboard instance;
    return instance;
}

ClipboardBackend*& installedBackend() {
    static ClipboardBackend* backend = nullptr;
    return backend;
}

}  // namespace

ClipboardBackend& clipboard() {
    ClipboardBackend* backend = installedBackend();
    return backend ? *backend : defaultClipboard();
}

void setClipboardBackend(ClipboardBackend* backend) {
    installedBackend() = backend;
}

}  // namespace platform
