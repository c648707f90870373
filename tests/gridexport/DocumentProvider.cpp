#include "DocumentProvider.h"

#include <cstdio>

namespace gridtest {

std::string Document::edges(int column, int row) const {
    const cx::TcxExportCellStyle* s = style(column, row);
    if (!s)
        return "none";
    std::string out;
    out += s->Edges[cx::kEdgeLeft].LineWidth ? 'L' : '-';
    out += s->Edges[cx::kEdgeTop].LineWidth ? 'T' : '-';
    out += s->Edges[cx::kEdgeRight].LineWidth ? 'R' : '-';
    out += s->Edges[cx::kEdgeBottom].LineWidth ? 'B' : '-';
    return out;
}

int Document::usedRows() const {
    int used = 0;
    for (const auto& [key, cell] : cells)
        used = std::max(used, key.second + 1);
    return used;
}

namespace {

class DocumentProviderClass : public cx::TcxExportProviderClass {
  public:
    cx::TcxExportProviderRef Create(std::string_view fileName) const override {
        auto* provider = new DocumentProvider(fileName);
        provider->AddRef();
        return cx::TcxExportProviderRef::Adopt(provider);
    }
    int ExportTypeNumber() const override { return DocumentProvider::kExportType; }
};

std::string valueText(const cx::TcxExportValue& value) {
    char buffer[64];
    switch (value.VarType()) {
        case cx::TcxVarType::Double:
            std::snprintf(buffer, sizeof buffer, "%g", value.AsDouble());
            return buffer;
        case cx::TcxVarType::String:
            return value.AsString();
        case cx::TcxVarType::Empty:
        case cx::TcxVarType::Null:
            return "";
        default:
            return std::to_string(value.AsInteger());
    }
}

}  // namespace

Document& DocumentProvider::last() {
    static Document document;
    return document;
}

void DocumentProvider::registerClass() {
    static const DocumentProviderClass instance;
    cx::TcxExport::RegisterProviderClass(&instance);
}

DocumentProvider::DocumentProvider(std::string_view fileName) : TcxCustomExportProvider(fileName) {}

DocumentProvider::~DocumentProvider() {
    last() = std::move(document_);
}

void DocumentProvider::Finish() {
    document_.finished = true;
    document_.calls.push_back("Finish");
}

bool DocumentProvider::cellCheck(int column, int row) {
    if (document_.rows < 0)
        throw cx::EcxExportData("Invalid cell dimension");
    if (document_.inside(column, row))
        return true;
    ++document_.outOfSheet;
    return false;
}

const cx::TcxExportCellStyle* DocumentProvider::StyleOfCell(int column, int row) {
    return document_.style(column, row);
}

const cx::TcxExportCellStyle& DocumentProvider::StyleAt(int index) {
    return document_.styles.at(static_cast<size_t>(index));
}

int DocumentProvider::AddStyle(cx::TcxExportCellStyle& style) {
    for (size_t i = 0; i < document_.styles.size(); ++i) {
        if (cx::SameStyle(document_.styles[i], style))
            return static_cast<int>(i);
    }
    document_.styles.push_back(style);
    return static_cast<int>(document_.styles.size() - 1);
}

void DocumentProvider::PutNumber(int column, int row, double value) {
    PutValue(column, row, cx::TcxExportValue::Double(value));
}

void DocumentProvider::PutInteger(int column, int row, std::int32_t value) {
    PutValue(column, row, cx::TcxExportValue::Integer(value));
}

void DocumentProvider::PutText(int column, int row, std::string_view text) {
    if (!cellCheck(column, row))
        return;
    Cell& cell = document_.cells[{column, row}];
    cell.text = std::string(text);
    cell.kind = cx::TcxVarType::String;
    document_.calls.push_back("PutText " + std::to_string(column) + "," + std::to_string(row));
}

void DocumentProvider::PutWideText(int column, int row, std::u16string_view) {
    if (!cellCheck(column, row))
        return;
    document_.cells[{column, row}].kind = cx::TcxVarType::OleStr;
}

void DocumentProvider::ApplyStyle(int column, int row, int styleIndex) {
    if (!cellCheck(column, row))
        return;
    Cell& cell = document_.cells[{column, row}];
    if (!cell.merged)
        cell.style = styleIndex;  // a merged cell keeps the merge's style
}

void DocumentProvider::CopyCellStyle(int column, int row, int sourceColumn, int sourceRow) {
    document_.cells[{column, row}].style = document_.cells[{sourceColumn, sourceRow}].style;
}

void DocumentProvider::ApplyStyleRecord(int column, int row, cx::TcxExportCellStyle& style) {
    ApplyStyle(column, row, AddStyle(style));
}

void DocumentProvider::MergeWithStyle(int column, int row, int rowCount, int columnCount,
                                      int styleIndex) {
    for (int r = row; r < row + rowCount; ++r) {
        for (int c = column; c < column + columnCount; ++c)
            ApplyStyle(c, r, styleIndex);
    }
    if (rowCount > 1 || columnCount > 1)
        AddMerge(column, row, rowCount, columnCount);
    document_.calls.push_back("MergeWithStyle " + std::to_string(column) + "," +
                              std::to_string(row) + " " + std::to_string(rowCount) + "x" +
                              std::to_string(columnCount));
}

void DocumentProvider::AddMerge(int column, int row, int rowCount, int columnCount) {
    document_.merges.push_back({column, row, rowCount, columnCount});
}

void DocumentProvider::PutValue(int column, int row, const cx::TcxExportValue& value) {
    if (!cellCheck(column, row))
        return;
    Cell& cell = document_.cells[{column, row}];
    cell.text = valueText(value);
    cell.kind = value.VarType();
    document_.calls.push_back("PutValue " + std::to_string(column) + "," + std::to_string(row));
}

void DocumentProvider::DefineColumnWidth(int column, int pixels) {
    document_.widths[column] = pixels;
}

void DocumentProvider::AddBaseStyle(cx::TcxExportCellStyle& style) {
    document_.calls.push_back("AddBaseStyle");
    AddStyle(style);
}

void DocumentProvider::PrepareSheet(int columnCount, int rowCount, bool) {
    document_.columns = columnCount;
    document_.rows = rowCount;
    document_.calls.push_back("PrepareSheet " + std::to_string(columnCount) + "x" +
                              std::to_string(rowCount));
}

void DocumentProvider::DefineRowHeight(int, int) {}

void DocumentProvider::PutPicture(int, int, const cx::TcxExportPicture*) {}

}  // namespace gridtest
