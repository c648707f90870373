#pragma once
// A label the user can click, with the hand cursor.

#include <QLabel>
#include <QPushButton>
#include <functional>

namespace app {

class LinkLabel : public QLabel {
  public:
    explicit LinkLabel(const QString& text, QWidget* parent = nullptr);
    std::function<void()> onClick;

  protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
};

// A button whose caption, a web address, may use the button's whole width: a plain push
// button keeps margins that would cut a long address short.
class LinkButton : public QPushButton {
  public:
    explicit LinkButton(const QString& text, QWidget* parent = nullptr);

  protected:
    void paintEvent(QPaintEvent* event) override;
};

}  // namespace app
