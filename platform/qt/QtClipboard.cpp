#include "platform/qt/QtClipboard.h"

#include <QClipboard>
#include <QGuiApplication>
#include <stdexcept>

#include "platform/qt/QtText.h"

namespace platform::qt {
namespace {

QClipboard& systemClipboard() {
    QClipboard* clipboard = QGuiApplication::clipboard();
    if (!clipboard)
        throw std::runtime_error("Cannot open clipboard");
    return *clipboard;
}

}  // namespace

void QtClipboard::setText(const std::string& text) {
    systemClipboard().setText(toQString(text));
}

std::string QtClipboard::text() const {
    return fromQString(systemClipboard().text());
}

}  // namespace platform::qt
