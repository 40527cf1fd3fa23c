#pragma once
// Painting shared by the control implementations.

#include <QPainter>
#include <algorithm>

#include "platform/controls/designcontrol.h"

namespace zelk::detail {

// Paints the frame of a forms control from its Props (borderStyle, borderColor, specialEffect):
// a single border in borderColor when borderStyle is 1, otherwise the special effect. Returns the
// rectangle left inside it.
template <class Props>
QRect paintFormsBorder(QPainter& p, const QRect& r, const Props& props) {
    if (props.borderStyle == 1) {
        p.save();
        p.setPen(oleColorToQColor(props.borderColor));
        p.setBrush(Qt::NoBrush);
        p.drawRect(r.adjusted(0, 0, -1, -1));
        p.restore();
        return r.adjusted(1, 1, -1, -1);
    }
    if (props.specialEffect == 0) return r;
    paintSpecialEffect(p, r, props.specialEffect);
    return r.adjusted(2, 2, -2, -2);
}

// Fills the outline of rect, width pixels wide (at least 1, at most half the smaller side of
// limit), in color.
inline void paintOutline(QPainter& p, const QRect& rect, const QRect& limit, int width,
                         const QColor& color) {
    const int pen = std::clamp(width, 1, std::max(1, std::min(limit.width(), limit.height()) / 2));
    QRegion ring(rect);
    ring -= QRegion(rect.adjusted(pen, pen, -pen, -pen));
    p.save();
    p.setClipRegion(ring);
    p.fillRect(rect, color);
    p.restore();
}

}  // namespace zelk::detail
