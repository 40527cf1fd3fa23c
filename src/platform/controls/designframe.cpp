#include "platform/controls/designframe.h"

#include <QFontMetrics>
#include <QPainter>
#include <algorithm>

#include "platform/controls/controlutil.h"

namespace zelk {

using detail::assign;

DesignFrame::DesignFrame(QWidget* parent) : DesignFontControl(parent) {
    applyTemplate(DesignArray::FrameArray);
}

void DesignFrame::applyTemplate(DesignArray array) {
    resetCommon(array);
    resetBox(2415, 1455);
    resetFont(SysColor::ButtonText, SysColor::ButtonFace);
    p_ = Props{};
    update();
}

void DesignFrame::copyPropertiesFrom(const DesignFrame& other) {
    copyCommonFrom(other);
    copyBoxFrom(other);
    copyFontFrom(other);
    p_ = other.p_;
    update();
}

void DesignFrame::setCaption(const QString& caption) {
    assign(this, p_.caption, caption);
}
bool DesignFrame::setBorderStyle(int style) {
    return assign(this, p_.borderStyle, style, detail::isZeroOrOne(style));
}
bool DesignFrame::setBorderColor(std::int32_t color) {
    return assign(this, p_.borderColor, color, isValidOleColor(color));
}
bool DesignFrame::setSpecialEffect(int effect) {
    return assign(this, p_.specialEffect, effect, isValidSpecialEffect(effect));
}
bool DesignFrame::setBorderWidth(std::int32_t width) {
    return assign(this, p_.borderWidth, width, width >= 0);
}

void DesignFrame::paintEvent(QPaintEvent*) {
    QPainter p(this);
    const QRect r = rect();
    const QColor back = oleColorToQColor(BackColor());
    p.fillRect(r, back);
    const QFont font = displayedFont();
    const QFontMetrics metrics(font);
    // The border runs through the middle of the caption line.
    const int top = p_.caption.isEmpty() ? 0 : metrics.height() / 2;
    const QRect border = r.adjusted(0, top, 0, 0);
    if (p_.borderStyle == 1) {
        const int pen =
            std::clamp(p_.borderWidth, 1, std::max(1, std::min(r.width(), r.height()) / 2));
        p.save();
        p.setPen(Qt::NoPen);
        p.setBrush(oleColorToQColor(p_.borderColor));
        QRegion ring(border);
        ring -= QRegion(border.adjusted(pen, pen, -pen, -pen));
        p.setClipRegion(ring);
        p.drawRect(border);
        p.restore();
    } else {
        paintSpecialEffect(p, border, p_.specialEffect);
    }
    if (!p_.caption.isEmpty()) {
        const int width = std::min(metrics.horizontalAdvance(p_.caption) + 4, r.width() - 12);
        const QRect caption(7, 0, std::max(0, width), metrics.height());
        p.fillRect(caption, back);
        paintText(p, caption.adjusted(2, 0, 0, 0), p_.caption, 1, false, false);
    }
}

}  // namespace zelk
