#pragma once
// The column header of a grid. For a banded view it has two lines: the band captions,
// each spanning the columns of its band and drawn in the band's header colour, above the
// column captions. The bands follow the column widths and the horizontal scrolling.

#include <QHeaderView>

namespace platform::qt {

class GridTableModel;

class BandedHeaderView : public QHeaderView {
    Q_OBJECT

  public:
    explicit BandedHeaderView(QWidget* parent = nullptr);

    // Shows the band line when the model's view is banded.
    void setBandsVisible(bool visible);
    bool bandsVisible() const { return bandsVisible_; }
    // Height of one header line, in pixels.
    int lineHeight() const;

    QSize sizeHint() const override;

  protected:
    void paintEvent(QPaintEvent* event) override;
    void paintSection(QPainter* painter, const QRect& rect, int logicalIndex) const override;

  private:
    const GridTableModel* gridModel() const;
    void paintBands(QPainter& painter) const;

    bool bandsVisible_ = false;
};

}  // namespace platform::qt
