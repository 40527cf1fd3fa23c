#include "platform/controls/designline.h"

#include <QPainter>
#include <algorithm>
#include <cmath>

namespace zelk {

namespace {
// Pen widths above this are painted at this width: wider pens only cover the canvas.
constexpr int kWidestPaintedPen = 64;
}  // namespace

DesignLine::DesignLine(QWidget* parent) : DesignLineBase(parent) {
    applyTemplate(DesignArray::LineArray);
}

void DesignLine::applyTemplate(DesignArray array) {
    reset(array);
    syncGeometry();
}

void DesignLine::copyPropertiesFrom(const DesignLine& other) {
    copyFrom(other);
    syncGeometry();
}

// The widget covers the line's bounding box, widened by the pen.
void DesignLine::syncGeometry() {
    const int x1 = twipsToPixels(p_.x1), y1 = twipsToPixels(p_.y1);
    const int x2 = twipsToPixels(p_.x2), y2 = twipsToPixels(p_.y2);
    const int margin = std::min(p_.borderWidth, kWidestPaintedPen) / 2 + 1;
    setGeometry(std::min(x1, x2) - margin, std::min(y1, y2) - margin,
                std::abs(x2 - x1) + 2 * margin + 1, std::abs(y2 - y1) + 2 * margin + 1);
    update();
}

QPoint DesignLine::startPixel() const {
    return QPoint(twipsToPixels(p_.x1), twipsToPixels(p_.y1)) - pos();
}

QPoint DesignLine::endPixel() const {
    return QPoint(twipsToPixels(p_.x2), twipsToPixels(p_.y2)) - pos();
}

void DesignLine::paintEvent(QPaintEvent*) {
    QPainter p(this);
    QPen pen(oleColorToQColor(p_.borderColor));
    pen.setWidth(std::min(p_.borderWidth, kWidestPaintedPen));
    pen.setCapStyle(Qt::SquareCap);
    p.setPen(pen);
    p.drawLine(startPixel(), endPixel());
}

}  // namespace zelk
