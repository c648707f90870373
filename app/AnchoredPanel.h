#pragma once
// A panel whose controls stand at fixed positions of a design size and follow its edges
// as anchored: a control anchored left and right stretches with the panel's width, one
// anchored only right keeps its distance to the right edge, and the same vertically.

#include <QFrame>
#include <QRect>
#include <vector>

namespace app {

enum Anchor : unsigned { akLeft = 1, akTop = 2, akRight = 4, akBottom = 8 };

class AnchoredPanel : public QFrame {
  public:
    AnchoredPanel(QSize designSize, QWidget* parent = nullptr);

    // Places `control` (made a child of the panel) at `designRect`.
    void place(QWidget* control, QRect designRect, unsigned anchors = akLeft | akTop);

  protected:
    void resizeEvent(QResizeEvent* event) override;

  private:
    struct Placement {
        QWidget* control;
        QRect designRect;
        unsigned anchors;
    };
    void layOut(const Placement& placement) const;

    QSize designSize_;
    std::vector<Placement> placements_;
};

}  // namespace app
