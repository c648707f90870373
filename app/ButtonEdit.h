#pragma once
// A text field with one browse button inside its right end.

#include <QLineEdit>
#include <functional>

namespace app {

class ButtonEdit : public QLineEdit {
  public:
    explicit ButtonEdit(QWidget* parent = nullptr);

    QAction* button() const { return button_; }
    std::function<void()> onButtonClick;
    std::function<void()> onDblClick;

  protected:
    void mouseDoubleClickEvent(QMouseEvent* event) override;

  private:
    QAction* button_;
};

}  // namespace app
