#include "platform/qt/BandedHeaderView.h"

#include <QPainter>
#include <QStyleOptionHeader>

#include "platform/qt/GridTableModel.h"
#include "platform/qt/QtText.h"

namespace platform::qt {

BandedHeaderView::BandedHeaderView(QWidget* parent) : QHeaderView(Qt::Horizontal, parent) {
    setHighlightSections(false);
    setSectionsClickable(false);
    setDefaultAlignment(Qt::AlignCenter);
    // A wider band must centre its caption again: repaint the whole line.
    connect(this, &QHeaderView::sectionResized, this, [this] { viewport()->update(); });
}

void BandedHeaderView::setBandsVisible(bool visible) {
    bandsVisible_ = visible;
    updateGeometry();
    viewport()->update();
}

int BandedHeaderView::lineHeight() const {
    return fontMetrics().height() + 6;
}

QSize BandedHeaderView::sizeHint() const {
    QSize size = QHeaderView::sizeHint();
    size.setHeight(lineHeight() * (bandsVisible_ ? 2 : 1));
    return size;
}

const GridTableModel* BandedHeaderView::gridModel() const {
    return qobject_cast<const GridTableModel*>(model());
}

void BandedHeaderView::paintSection(QPainter* painter, const QRect& rect, int logicalIndex) const {
    if (!bandsVisible_) {
        QHeaderView::paintSection(painter, rect, logicalIndex);
        return;
    }
    QRect columnLine = rect;
    columnLine.setTop(rect.top() + lineHeight());
    QHeaderView::paintSection(painter, columnLine, logicalIndex);
}

void BandedHeaderView::paintEvent(QPaintEvent* event) {
    QHeaderView::paintEvent(event);
    if (!bandsVisible_)
        return;
    QPainter painter(viewport());
    paintBands(painter);
}

void BandedHeaderView::paintBands(QPainter& painter) const {
    const GridTableModel* grid = gridModel();
    if (!grid)
        return;
    const int height = lineHeight();
    int right = 0;
    // The columns of a band lie next to each other in display order.
    for (int visual = 0; visual < count();) {
        const int first = logicalIndex(visual);
        const grid::TcxGridBand* band = grid->band(first);
        int width = 0;
        int next = visual;
        while (next < count() && grid->band(logicalIndex(next)) == band) {
            width += sectionSize(logicalIndex(next));
            ++next;
        }
        const int left = sectionViewportPosition(first);
        QStyleOptionHeader option;
        initStyleOption(&option);
        option.rect = QRect(left, 0, width, height);
        option.section = visual;
        option.textAlignment = Qt::AlignCenter;
        option.position = QStyleOptionHeader::Middle;
        if (band) {
            option.text = toQString(band->Caption);
            if (band->Styles.Header && band->Styles.Header->TextColor) {
                option.palette.setColor(QPalette::ButtonText,
                                        toQColor(*band->Styles.Header->TextColor));
            }
        }
        style()->drawControl(QStyle::CE_Header, &option, &painter, this);
        right = left + width;
        visual = next;
    }
    // The rest of the line, past the last band, as an empty header.
    if (right < viewport()->width()) {
        QStyleOptionHeader option;
        initStyleOption(&option);
        option.rect = QRect(right, 0, viewport()->width() - right, height);
        option.position = QStyleOptionHeader::End;
        style()->drawControl(QStyle::CE_Header, &option, &painter, this);
    }
}

}  // namespace platform::qt
