#include "app/ButtonEdit.h"

#include <QAction>

#include "app/Icons.h"

namespace app {

ButtonEdit::ButtonEdit(QWidget* parent) : QLineEdit(parent) {
    button_ = addAction(glyph("browse"), QLineEdit::TrailingPosition);
    connect(button_, &QAction::triggered, this, [this] {
        if (onButtonClick)
            onButtonClick();
    });
}

void ButtonEdit::mouseDoubleClickEvent(QMouseEvent* event) {
    QLineEdit::mouseDoubleClickEvent(event);
    if (onDblClick)
        onDblClick();
}

}  // namespace app
