#include "platform/controls/designcombobox.h"

#include <QPainter>
#include <algorithm>

#include "platform/controls/controlutil.h"

namespace zelk {

using detail::assign;

DesignComboBox::DesignComboBox(QWidget* parent) : DesignFontControl(parent) {
    applyTemplate(DesignArray::ComboBoxArray);
}

void DesignComboBox::applyTemplate(DesignArray array) {
    resetCommon(array);
    resetBox(1815, 315);
    resetFont(SysColor::WindowText, SysColor::Window);
    p_ = Props{};
    update();
}

void DesignComboBox::copyPropertiesFrom(const DesignComboBox& other) {
    copyCommonFrom(other);
    copyBoxFrom(other);
    copyFontFrom(other);
    p_ = other.p_;
    update();
}

void DesignComboBox::setText(const QString& text) {
    assign(this, p_.text, text);
}
bool DesignComboBox::setBackStyle(int style) {
    return assign(this, p_.backStyle, style, detail::isZeroOrOne(style));
}
bool DesignComboBox::setBorderStyle(int style) {
    return assign(this, p_.borderStyle, style, detail::isZeroOrOne(style));
}
bool DesignComboBox::setBorderColor(std::int32_t color) {
    return assign(this, p_.borderColor, color, isValidOleColor(color));
}
bool DesignComboBox::setSpecialEffect(int effect) {
    return assign(this, p_.specialEffect, effect, isValidSpecialEffect(effect));
}
bool DesignComboBox::setTextAlign(int align) {
    return assign(this, p_.textAlign, align, isValidTextAlign(align));
}
void DesignComboBox::setLocked(bool on) {
    assign(this, p_.locked, on);
}
bool DesignComboBox::setMaxLength(std::int32_t length) {
    return assign(this, p_.maxLength, length, length >= 0);
}
void DesignComboBox::setTabStop(bool on) {
    assign(this, p_.tabStop, on);
}
bool DesignComboBox::setEnterFieldBehavior(int behavior) {
    return assign(this, p_.enterFieldBehavior, behavior, detail::isZeroOrOne(behavior));
}

void DesignComboBox::paintEvent(QPaintEvent*) {
    QPainter p(this);
    const QRect r = rect();
    if (p_.backStyle == 1) p.fillRect(r, oleColorToQColor(BackColor()));
    const QRect inner =
        detail::paintFormsBorder(p, r, p_.borderStyle, p_.borderColor, p_.specialEffect);
    // The drop button at the right, with its arrow.
    const int buttonWidth = std::min(17, std::max(0, inner.width()));
    const QRect button(inner.right() - buttonWidth + 1, inner.top(), buttonWidth, inner.height());
    p.fillRect(button, oleColorToQColor(SysColor::ButtonFace));
    paintSpecialEffect(p, button, 1);
    const QPoint c = button.center();
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(oleColorToQColor(Enabled() ? SysColor::ButtonText : SysColor::GrayText));
    const QPoint arrow[3] = {QPoint(c.x() - 3, c.y() - 1), QPoint(c.x() + 4, c.y() - 1),
                             QPoint(c.x(), c.y() + 3)};
    p.drawPolygon(arrow, 3);
    p.restore();
    paintText(
        p, QRect(inner.left() + 2, inner.top(), button.left() - inner.left() - 3, inner.height()),
        p_.text, p_.textAlign, false, true);
}

}  // namespace zelk
