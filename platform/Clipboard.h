#pragma once
// The system clipboard as single-byte (Windows-1250) text, behind a seam so that the
// desktop program can put a real clipboard there and tests and the command-line tool
// an in-memory one.

#include <string>

namespace platform {

class ClipboardBackend {
  public:
    virtual ~ClipboardBackend() = default;
    // Replaces the clipboard's content; throws when the clipboard cannot be opened.
    virtual void setText(const std::string& text) = 0;
    virtual std::string text() const = 0;
};

// Keeps the text in memory; the default backend.
class MemoryClipboard : public ClipboardBackend {
  public:
    void setText(const std::string& text) override { text_ = text; }
    std::string text() const override { return text_; }

  private:
    std::string text_;
};

// The process-wide clipboard. Until a backend is installed, a MemoryClipboard.
ClipboardBackend& clipboard();

// Installs `backend` (not owned; nullptr restores the in-memory default).
void setClipboardBackend(ClipboardBackend* backend);

}  // namespace platform
