#include "gridexport/ExportTableMap.h"

#include <algorithm>

namespace cx {

void TcxGridExportTableMap::AddBoundary(int x) {
    x = std::max(x, 0);
    int sum = 0;
    for (size_t i = 0; i < widths_.size(); ++i) {
        if (sum == x)
            return;
        if (sum + widths_[i] > x) {
            const int rest = sum + widths_[i] - x;
            widths_[i] = x - sum;
            widths_.insert(widths_.begin() + static_cast<std::ptrdiff_t>(i) + 1, rest);
            return;
        }
        sum += widths_[i];
    }
    if (x > sum)
        widths_.push_back(x - sum);
}

int TcxGridExportTableMap::ColumnAt(int x) const {
    if (x <= 0)
        return 0;
    int sum = 0;
    for (size_t i = 0; i < widths_.size(); ++i) {
        sum += widths_[i];
        if (sum >= x)
            return static_cast<int>(i) + 1;
    }
    return ColumnCount() - 1;
}

std::pair<int, int> TcxGridExportTableMap::ToColumns(int x, int width) const {
    const int column = ColumnAt(x);
    return {column, ColumnAt(x + width) - column};
}

void TcxGridExportTableMap::AddItem(int x, int lineIndex, const std::string& caption,
                                    int columnIndex, int rowSpan, int width) {
    const auto [column, span] = ToColumns(x, width);
    lineIndex = std::max(lineIndex, 0);
    while (LineCount() <= lineIndex)
        lines_.emplace_back();
    lines_[static_cast<size_t>(lineIndex)].add({rowSpan, columnIndex, column, caption, span});
}

void TcxGridExportTableMap::AddBandItem(int x, int width, const std::string& caption, int bandIndex,
                                        int rowSpan) {
    const auto [column, span] = ToColumns(x, width);
    bandLine_.add({rowSpan, bandIndex, column, caption, span});
}

}  // namespace cx
