#pragma once
// The program's Windows-1250 text at the Qt edge, and colours of the grid model as QColor.

#include <QColor>
#include <QString>
#include <string>
#include <string_view>

#include "platform/grid/GridTypes.h"

namespace platform::qt {

QString toQString(std::string_view cp1250);
std::string fromQString(const QString& text);

// A 0x00BBGGRR colour (a negative value names a system colour).
QColor toQColor(grid::TColor color);
grid::TColor fromQColor(const QColor& color);

}  // namespace platform::qt
