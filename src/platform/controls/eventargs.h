#pragma once
// Arguments of the window controls' mouse and key events: button code, shift state, place in
// twips, key code.

#include <QKeyEvent>
#include <QMouseEvent>
#include <QWidget>

#include "platform/form.h"
#include "platform/twips.h"

namespace zelk::detail {

// 1 left, 2 right, 4 middle, 0 others.
inline int vbButton(Qt::MouseButton button) {
    switch (button) {
        case Qt::LeftButton:
            return 1;
        case Qt::RightButton:
            return 2;
        case Qt::MiddleButton:
            return 4;
        default:
            return 0;
    }
}

// The event's position in `control`'s own coordinates (events arrive at its viewport), twips.
inline QPointF twipsIn(QWidget* control, QWidget* viewport, const QMouseEvent* event) {
    const QPointF p = event->position() + QPointF(viewport->mapTo(control, QPoint(0, 0)));
    return {pixelsToTwips(p.x()), pixelsToTwips(p.y())};
}

// Raises a mouse signal (button, shift, x, y) of `control` for an event arriving at its viewport.
template <class Control>
void emitMouse(Control* control, void (Control::*signal)(int, int, double, double),
               QWidget* viewport, const QMouseEvent* event) {
    const QPointF at = twipsIn(control, viewport, event);
    (control->*signal)(vbButton(event->button()), vbShiftState(event->modifiers()), at.x(), at.y());
}

// Raises KeyDown(keyCode, shift) of `control` for a key that has a code. True when the handler
// cleared the code: the key is then eaten and the control must not act on it.
template <class Control>
bool keyDownEaten(Control* control, QKeyEvent* event) {
    int code = vbKeyCode(event->key());
    if (code == 0) return false;
    emit control->KeyDown(code, vbShiftState(event->modifiers()));
    if (code != 0) return false;
    event->accept();
    return true;
}

}  // namespace zelk::detail
