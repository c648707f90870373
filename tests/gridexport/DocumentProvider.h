#pragma once
// A provider that keeps the document in memory instead of writing a file, registered
// under its own export type number, so that tests can look at every cell, style and
// merge an export produced, and at the order of the calls.

#include <map>
#include <string>
#include <utility>
#include <vector>

#include "export/cxExport.h"

namespace gridtest {

struct Cell {
    int style = 0;  // a cell never styled has the base style
    bool merged = false;
    std::string text;                             // PutText, or the value's text for PutValue
    cx::TcxVarType kind = cx::TcxVarType::Empty;  // PutValue's kind; String for PutText
};

struct Merge {
    int column, row, rowCount, columnCount;
    bool operator==(const Merge&) const = default;
};

struct Document {
    std::vector<cx::TcxExportCellStyle> styles;
    std::map<std::pair<int, int>, Cell> cells;  // (column, row)
    std::vector<Merge> merges;
    std::map<int, int> widths;
    int columns = -1, rows = -1;  // PrepareSheet
    bool finished = false;
    int outOfSheet = 0;  // cell operations outside the prepared sheet (ignored, as a writer does)
    std::vector<std::string> calls;

    const Cell* at(int column, int row) const {
        auto it = cells.find({column, row});
        return it == cells.end() ? nullptr : &it->second;
    }
    std::string text(int column, int row) const {
        const Cell* cell = at(column, row);
        return cell ? cell->text : std::string();
    }
    bool inside(int column, int row) const {
        return column >= 0 && row >= 0 && column < columns && row < rows;
    }
    // The style of a cell of the sheet (the base style when never styled); none outside.
    const cx::TcxExportCellStyle* style(int column, int row) const {
        if (!inside(column, row) || styles.empty())
            return nullptr;
        const Cell* cell = at(column, row);
        return &styles[static_cast<size_t>(cell ? cell->style : 0)];
    }
    // "LTRB" of the edges with a line, "-" where none: "LTRB", "-T-B", ...
    std::string edges(int column, int row) const;
    int usedRows() const;
};

class DocumentProvider : public cx::TcxCustomExportProvider {
  public:
    static constexpr int kExportType = 77;
    explicit DocumentProvider(std::string_view fileName);

    void Finish() override;
    const cx::TcxExportCellStyle* StyleOfCell(int column, int row) override;
    const cx::TcxExportCellStyle& StyleAt(int index) override;
    int AddStyle(cx::TcxExportCellStyle& style) override;
    void PutNumber(int column, int row, double value) override;
    void PutInteger(int column, int row, std::int32_t value) override;
    void PutText(int column, int row, std::string_view text) override;
    void PutWideText(int column, int row, std::u16string_view text) override;
    void ApplyStyle(int column, int row, int styleIndex) override;
    void CopyCellStyle(int column, int row, int sourceColumn, int sourceRow) override;
    void ApplyStyleRecord(int column, int row, cx::TcxExportCellStyle& style) override;
    void MergeWithStyle(int column, int row, int rowCount, int columnCount,
                        int styleIndex) override;
    void AddMerge(int column, int row, int rowCount, int columnCount) override;
    void PutValue(int column, int row, const cx::TcxExportValue& value) override;
    void DefineColumnWidth(int column, int pixels) override;
    void AddBaseStyle(cx::TcxExportCellStyle& style) override;
    void PrepareSheet(int columnCount, int rowCount, bool showGridLines) override;
    void DefineRowHeight(int row, int pixels) override;
    void PutPicture(int column, int row, const cx::TcxExportPicture* picture) override;
    bool CanPutPicture() override { return false; }

    // The document of the last provider that finished or was released.
    static Document& last();
    static void registerClass();

  private:
    ~DocumentProvider() override;
    // Before PrepareSheet a cell operation is an error; outside the sheet it is ignored.
    bool cellCheck(int column, int row);
    Document document_;
};

}  // namespace gridtest
