#include "app/FormSupport.h"

#include <QEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QScreen>
#include <QWidget>

namespace app {

bool closeOnEscape(QWidget& form, const QKeyEvent& key) {
    if (key.key() != Qt::Key_Escape)
        return false;
    form.close();
    return true;
}

QFont formFont(const char* family, int pixels, bool bold) {
    QFont font(QString::fromLatin1(family));
    font.setPointSizeF(pixels * 72.0 / 96.0);
    font.setBold(bold);
    return font;
}

void centreOnScreen(QWidget& window) {
    const QScreen* screen = window.screen() ? window.screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return;
    QRect frame = window.frameGeometry();
    frame.moveCenter(screen->availableGeometry().center());
    window.move(frame.topLeft());
}

KeyPreview::KeyPreview(QWidget& form, std::function<bool(QKeyEvent&)> handler)
    : QObject(&form), form_(form), handler_(std::move(handler)) {
    watch(form);
    for (QWidget* control : form.findChildren<QWidget*>())
        watch(*control);
}

void KeyPreview::watch(QWidget& control) {
    control.installEventFilter(this);
}

bool KeyPreview::eventFilter(QObject* watched, QEvent* event) {
    // Keys of another window among the form's children (a file dialog) are not the form's.
    const auto* control = qobject_cast<QWidget*>(watched);
    if (event->type() == QEvent::KeyPress && control && control->window() == &form_ &&
        handler_(static_cast<QKeyEvent&>(*event))) {
        return true;
    }
    return QObject::eventFilter(watched, event);
}

}  // namespace app
