#include "app/AnchoredPanel.h"

namespace app {

AnchoredPanel::AnchoredPanel(QSize designSize, QWidget* parent)
    : QFrame(parent), designSize_(designSize) {
    resize(designSize);
}

void AnchoredPanel::place(QWidget* control, QRect designRect, unsigned anchors) {
    control->setParent(this);
    placements_.push_back({control, designRect, anchors});
    layOut(placements_.back());
}

void AnchoredPanel::resizeEvent(QResizeEvent* event) {
    QFrame::resizeEvent(event);
    for (const Placement& placement : placements_)
        layOut(placement);
}

void AnchoredPanel::layOut(const Placement& placement) const {
    const int dx = width() - designSize_.width();
    const int dy = height() - designSize_.height();
    QRect rect = placement.designRect;
    auto follow = [](int& start, int& length, int delta, bool near, bool far) {
        if (near && far) {
            length += delta;
        } else if (far) {
            start += delta;
        }
    };
    int left = rect.left(), width = rect.width(), top = rect.top(), height = rect.height();
    follow(left, width, dx, placement.anchors & akLeft, placement.anchors & akRight);
    follow(top, height, dy, placement.anchors & akTop, placement.anchors & akBottom);
    placement.control->setGeometry(left, top, std::max(width, 0), std::max(height, 0));
}

}  // namespace app
