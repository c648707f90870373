#pragma once
// What the program's windows share: fonts given in pixels at 96 dots per inch, centring
// on the screen, and the key preview of a form (the form sees a key before its controls).

#include <QFont>
#include <QObject>
#include <functional>

class QWidget;
class QKeyEvent;

namespace app {

// A font of `pixels` height at 96 dots per inch (12 pixels are 9 points).
QFont formFont(const char* family, int pixels, bool bold = false);

// Moves a top-level window to the middle of the screen it is on.
void centreOnScreen(QWidget& window);

// Closes `form` on Escape, whichever control has the focus; true when it did.
bool closeOnEscape(QWidget& form, const QKeyEvent& key);

// Hands every key press in `form` and its controls to `handler` first; the handler
// returns true when it used the key.
class KeyPreview : public QObject {
  public:
    KeyPreview(QWidget& form, std::function<bool(QKeyEvent&)> handler);
    // Watches controls created after the preview.
    void watch(QWidget& control);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    QWidget& form_;
    std::function<bool(QKeyEvent&)> handler_;
};

}  // namespace app
