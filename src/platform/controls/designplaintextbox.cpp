#include "platform/controls/designplaintextbox.h"

#include <QPainter>

#include "platform/controls/controlutil.h"

namespace zelk {

using detail::assign;

DesignPlainTextBox::DesignPlainTextBox(QWidget* parent) : DesignFontControl(parent) {
    applyTemplate(DesignArray::DatePickerArray);
}

void DesignPlainTextBox::applyTemplate(DesignArray array) {
    resetCommon(array);
    resetBox(1815, 315);
    resetFont(SysColor::WindowText, SysColor::Window);
    p_ = Props{};
    update();
}

void DesignPlainTextBox::copyPropertiesFrom(const DesignPlainTextBox& other) {
    copyCommonFrom(other);
    copyBoxFrom(other);
    copyFontFrom(other);
    p_ = other.p_;
    update();
}

void DesignPlainTextBox::setText(const QString& text) {
    assign(this, p_.text, text);
}
bool DesignPlainTextBox::setAlignment(int alignment) {
    return assign(this, p_.alignment, alignment, alignment >= 0 && alignment <= 2);
}
bool DesignPlainTextBox::setAppearance(int appearance) {
    return assign(this, p_.appearance, appearance, detail::isZeroOrOne(appearance));
}
bool DesignPlainTextBox::setBorderStyle(int style) {
    return assign(this, p_.borderStyle, style, detail::isZeroOrOne(style));
}
void DesignPlainTextBox::setLocked(bool on) {
    assign(this, p_.locked, on);
}
void DesignPlainTextBox::setTabStop(bool on) {
    assign(this, p_.tabStop, on);
}

void DesignPlainTextBox::paintEvent(QPaintEvent*) {
    QPainter p(this);
    QRect r = rect();
    p.fillRect(r, oleColorToQColor(BackColor()));
    if (p_.borderStyle == 1) {
        if (p_.appearance == 1) {
            paintSpecialEffect(p, r, 2);
            r.adjust(2, 2, -2, -2);
        } else {
            p.setPen(oleColorToQColor(SysColor::WindowFrame));
            p.drawRect(r.adjusted(0, 0, -1, -1));
            r.adjust(1, 1, -1, -1);
        }
    }
    // Alignment 0 left, 1 right, 2 centre, painted through the TextAlign codes.
    const int textAlign = p_.alignment == 1 ? 3 : p_.alignment == 2 ? 2 : 1;
    paintText(p, r.adjusted(2, 0, -2, 0), p_.text, textAlign, false, true);
}

}  // namespace zelk
