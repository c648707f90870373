#include "platform/qt/QtText.h"

#include "platform/CodePage.h"
#include "platform/SystemColors.h"

namespace platform::qt {

QString toQString(std::string_view cp1250) {
    return QString::fromStdU16String(multiByteToWide(kAnsiCodePage, cp1250));
}

std::string fromQString(const QString& text) {
    return wideToMultiByte(kAnsiCodePage, text.toStdU16String());
}

QColor toQColor(grid::TColor color) {
    const ColorRef rgb = colorToRGB(color);
    return QColor(rgb & 0xFF, (rgb >> 8) & 0xFF, (rgb >> 16) & 0xFF);
}

grid::TColor fromQColor(const QColor& color) {
    return grid::rgb(color.red(), color.green(), color.blue());
}

}  // namespace platform::qt
