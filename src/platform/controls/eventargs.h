#pragma once
// Arguments of the window controls' mouse events: button code, shift state, place in twips.

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

}  // namespace zelk::detail
