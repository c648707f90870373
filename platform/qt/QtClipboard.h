#pragma once
// The system clipboard behind the program's clipboard seam: the Windows-1250 text is
// placed on it as Unicode text.

#include "platform/Clipboard.h"

namespace platform::qt {

class QtClipboard : public ClipboardBackend {
  public:
    void setText(const std::string& text) override;
    std::string text() const override;
};

}  // namespace platform::qt
