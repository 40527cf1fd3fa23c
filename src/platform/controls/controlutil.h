#pragma once
// Small helpers shared by the control implementations.

#include <QPainter>
#include <QWidget>

#include "platform/controls/designcontrol.h"

namespace zelk::detail {

// Stores value into field when ok and repaints; the setters' common shape.
template <class T>
bool assign(QWidget* widget, T& field, const T& value, bool ok = true) {
    if (!ok) return false;
    if (!(field == value)) {
        field = value;
        widget->update();
    }
    return true;
}

inline bool isZeroOrOne(int v) {
    return v == 0 || v == 1;
}

// Paints the frame of a forms control: a single border in borderColor when borderStyle is 1,
// otherwise the special effect. Returns the rectangle left inside it.
inline QRect paintFormsBorder(QPainter& p, const QRect& r, int borderStyle,
                              std::int32_t borderColor, int specialEffect) {
    if (borderStyle == 1) {
        p.save();
        p.setPen(oleColorToQColor(borderColor));
        p.setBrush(Qt::NoBrush);
        p.drawRect(r.adjusted(0, 0, -1, -1));
        p.restore();
        return r.adjusted(1, 1, -1, -1);
    }
    if (specialEffect == 0) return r;
    paintSpecialEffect(p, r, specialEffect);
    return r.adjusted(2, 2, -2, -2);
}

}  // namespace zelk::detail
