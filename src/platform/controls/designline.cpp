#include "platform/controls/designline.h"

#include <QPainter>
#include <algorithm>
#include <cmath>

#include "platform/controls/controlutil.h"

namespace zelk {

using detail::assign;

namespace {
// Pen widths above this are painted at this width: wider pens only cover the canvas.
constexpr int kWidestPaintedPen = 64;
}  // namespace

DesignLine::DesignLine(QWidget* parent) : DesignControl(parent) {
    applyTemplate(DesignArray::LineArray);
}

void DesignLine::applyTemplate(DesignArray array) {
    resetCommon(array);
    p_ = Props{};
    p_.x2 = 1215;
    syncGeometry();
}

void DesignLine::copyPropertiesFrom(const DesignLine& other) {
    copyCommonFrom(other);
    p_ = other.p_;
    syncGeometry();
}

bool DesignLine::setX1(double x) {
    if (!std::isfinite(x)) return false;
    p_.x1 = x;
    syncGeometry();
    return true;
}
bool DesignLine::setY1(double y) {
    if (!std::isfinite(y)) return false;
    p_.y1 = y;
    syncGeometry();
    return true;
}
bool DesignLine::setX2(double x) {
    if (!std::isfinite(x)) return false;
    p_.x2 = x;
    syncGeometry();
    return true;
}
bool DesignLine::setY2(double y) {
    if (!std::isfinite(y)) return false;
    p_.y2 = y;
    syncGeometry();
    return true;
}

bool DesignLine::setBorderColor(std::int32_t color) {
    return assign(this, p_.borderColor, color, isValidOleColor(color));
}

bool DesignLine::setBorderWidth(int width) {
    if (width < 1 || width > 8192) return false;
    p_.borderWidth = width;
    syncGeometry();
    return true;
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
