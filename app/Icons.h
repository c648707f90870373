#pragma once
// The program's glyphs and icon, drawn from the SVG files of the resource bundle.

#include <QIcon>
#include <QPixmap>

namespace app {

// A glyph by its file name in icons/ without extension ("excel", "close", ...).
QIcon glyph(const char* name);
QIcon programIcon();
QPixmap programPixmap(int size);

}  // namespace app
