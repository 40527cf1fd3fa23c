#include "platform/controls/designtextbox.h"

#include <QPainter>

#include "platform/controls/controlutil.h"

namespace zelk {

using detail::assign;

DesignTextBox::DesignTextBox(QWidget* parent) : DesignFontControl(parent) {
    applyTemplate(DesignArray::TextBoxArray);
}

void DesignTextBox::applyTemplate(DesignArray array) {
    resetCommon(array);
    resetFont(SysColor::WindowText, SysColor::Window);
    p_ = Props{};
    if (array == DesignArray::MemoBoxArray) {
        // The memo box is the multi-line one.
        resetBox(2415, 975);
        p_.multiLine = true;
    } else {
        resetBox(1815, 315);
    }
    update();
}

void DesignTextBox::copyPropertiesFrom(const DesignTextBox& other) {
    copyCommonFrom(other);
    copyBoxFrom(other);
    copyFontFrom(other);
    p_ = other.p_;
    update();
}

void DesignTextBox::setText(const QString& text) {
    assign(this, p_.text, text);
}
void DesignTextBox::setAutoSize(bool on) {
    assign(this, p_.autoSize, on);
}
bool DesignTextBox::setBackStyle(int style) {
    return assign(this, p_.backStyle, style, detail::isZeroOrOne(style));
}
bool DesignTextBox::setBorderStyle(int style) {
    return assign(this, p_.borderStyle, style, detail::isZeroOrOne(style));
}
bool DesignTextBox::setBorderColor(std::int32_t color) {
    return assign(this, p_.borderColor, color, isValidOleColor(color));
}
bool DesignTextBox::setSpecialEffect(int effect) {
    return assign(this, p_.specialEffect, effect, isValidSpecialEffect(effect));
}
bool DesignTextBox::setTextAlign(int align) {
    return assign(this, p_.textAlign, align, isValidTextAlign(align));
}
void DesignTextBox::setLocked(bool on) {
    assign(this, p_.locked, on);
}
bool DesignTextBox::setMaxLength(std::int32_t length) {
    return assign(this, p_.maxLength, length, length >= 0);
}
void DesignTextBox::setTabStop(bool on) {
    assign(this, p_.tabStop, on);
}
void DesignTextBox::setWordWrap(bool on) {
    assign(this, p_.wordWrap, on);
}
void DesignTextBox::setMultiLine(bool on) {
    assign(this, p_.multiLine, on);
}
bool DesignTextBox::setEnterFieldBehavior(int behavior) {
    return assign(this, p_.enterFieldBehavior, behavior, detail::isZeroOrOne(behavior));
}
void DesignTextBox::setEnterKeyBehavior(bool on) {
    assign(this, p_.enterKeyBehavior, on);
}
void DesignTextBox::setHideSelection(bool on) {
    assign(this, p_.hideSelection, on);
}
void DesignTextBox::setIntegralHeight(bool on) {
    assign(this, p_.integralHeight, on);
}

void DesignTextBox::paintEvent(QPaintEvent*) {
    QPainter p(this);
    const QRect r = rect();
    if (p_.backStyle == 1) p.fillRect(r, oleColorToQColor(BackColor()));
    const QRect inner =
        detail::paintFormsBorder(p, r, p_.borderStyle, p_.borderColor, p_.specialEffect);
    paintText(p, inner.adjusted(2, 1, -2, -1), p_.text, p_.textAlign, p_.multiLine && p_.wordWrap,
              !p_.multiLine);
}

}  // namespace zelk
