#include "platform/controls/designcheckbox.h"

#include <QPainter>
#include <QPainterPath>

#include "platform/controls/controlutil.h"

namespace zelk {

using detail::assign;

DesignCheckBox::DesignCheckBox(QWidget* parent) : DesignFontControl(parent) {
    applyTemplate(DesignArray::CheckBoxArray);
}

void DesignCheckBox::applyTemplate(DesignArray array) {
    resetCommon(array);
    resetBox(1815, 315);
    resetFont(SysColor::ButtonText, SysColor::ButtonFace);
    p_ = Props{};
    update();
}

void DesignCheckBox::copyPropertiesFrom(const DesignCheckBox& other) {
    copyCommonFrom(other);
    copyBoxFrom(other);
    copyFontFrom(other);
    p_ = other.p_;
    update();
}

void DesignCheckBox::setCaption(const QString& caption) {
    assign(this, p_.caption, caption);
}
void DesignCheckBox::setValue(int value) {
    assign(this, p_.value, value != 0 ? 1 : 0);
}
bool DesignCheckBox::setBackStyle(int style) {
    return assign(this, p_.backStyle, style, detail::isZeroOrOne(style));
}
bool DesignCheckBox::setBorderStyle(int style) {
    return assign(this, p_.borderStyle, style, detail::isZeroOrOne(style));
}
bool DesignCheckBox::setSpecialEffect(int effect) {
    return assign(this, p_.specialEffect, effect, effect == 0 || effect == 2);
}
bool DesignCheckBox::setTextAlign(int align) {
    return assign(this, p_.textAlign, align, isValidTextAlign(align));
}
void DesignCheckBox::setLocked(bool on) {
    assign(this, p_.locked, on);
}
void DesignCheckBox::setTabStop(bool on) {
    assign(this, p_.tabStop, on);
}
void DesignCheckBox::setWordWrap(bool on) {
    assign(this, p_.wordWrap, on);
}
void DesignCheckBox::setTripleState(bool on) {
    assign(this, p_.tripleState, on);
}

void DesignCheckBox::paintEvent(QPaintEvent*) {
    QPainter p(this);
    const QRect r = rect();
    if (p_.backStyle == 1) p.fillRect(r, oleColorToQColor(BackColor()));
    if (p_.borderStyle == 1) {
        p.setPen(oleColorToQColor(SysColor::WindowFrame));
        p.drawRect(r.adjusted(0, 0, -1, -1));
    }
    // The box, 13 pixels, at the left and centred vertically.
    const int side = 13;
    const QRect box(2, (r.height() - side) / 2, side, side);
    p.fillRect(box, oleColorToQColor(Enabled() ? SysColor::Window : SysColor::ButtonFace));
    if (p_.specialEffect == 2) {
        paintSpecialEffect(p, box, 2);
    } else {
        p.setPen(oleColorToQColor(SysColor::WindowText));
        p.drawRect(box.adjusted(0, 0, -1, -1));
    }
    if (p_.value != 0) {
        p.save();
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(QPen(foreground(), 2));
        QPainterPath tick;
        tick.moveTo(box.left() + 3, box.top() + 6.5);
        tick.lineTo(box.left() + 5.5, box.top() + 9);
        tick.lineTo(box.left() + 10, box.top() + 3.5);
        p.drawPath(tick);
        p.restore();
    }
    paintText(p, r.adjusted(box.right() + 5, 0, -1, 0), p_.caption, p_.textAlign, p_.wordWrap,
              true);
}

}  // namespace zelk
