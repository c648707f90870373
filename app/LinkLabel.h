#pragma once
// A label the user can click, with the hand cursor.

#include <QLabel>
#include <functional>

namespace app {

class LinkLabel : public QLabel {
  public:
    explicit LinkLabel(const QString& text, QWidget* parent = nullptr);
    std::function<void()> onClick;

  protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
};

}  // namespace app
