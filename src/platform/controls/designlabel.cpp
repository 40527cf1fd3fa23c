#include "platform/controls/designlabel.h"

#include <QPainter>

#include "platform/controls/controlutil.h"

namespace zelk {

using detail::assign;

DesignLabel::DesignLabel(QWidget* parent) : DesignFontControl(parent) {
    applyTemplate(DesignArray::LabelArray);
}

void DesignLabel::applyTemplate(DesignArray array) {
    resetCommon(array);
    resetBox(1215, 255);
    resetFont(SysColor::ButtonText, SysColor::ButtonFace);
    p_ = Props{};
    update();
}

void DesignLabel::copyPropertiesFrom(const DesignLabel& other) {
    copyCommonFrom(other);
    copyBoxFrom(other);
    copyFontFrom(other);
    p_ = other.p_;
    update();
}

void DesignLabel::setCaption(const QString& caption) {
    assign(this, p_.caption, caption);
}
void DesignLabel::setAutoSize(bool on) {
    assign(this, p_.autoSize, on);
}
void DesignLabel::setWordWrap(bool on) {
    assign(this, p_.wordWrap, on);
}
bool DesignLabel::setBackStyle(int style) {
    return assign(this, p_.backStyle, style, detail::isZeroOrOne(style));
}
bool DesignLabel::setBorderStyle(int style) {
    return assign(this, p_.borderStyle, style, detail::isZeroOrOne(style));
}
bool DesignLabel::setBorderColor(std::int32_t color) {
    return assign(this, p_.borderColor, color, isValidOleColor(color));
}
bool DesignLabel::setSpecialEffect(int effect) {
    return assign(this, p_.specialEffect, effect, isValidSpecialEffect(effect));
}
bool DesignLabel::setTextAlign(int align) {
    return assign(this, p_.textAlign, align, isValidTextAlign(align));
}

void DesignLabel::paintEvent(QPaintEvent*) {
    QPainter p(this);
    const QRect r = rect();
    if (p_.backStyle == 1) p.fillRect(r, oleColorToQColor(BackColor()));
    const QRect inner =
        detail::paintFormsBorder(p, r, p_.borderStyle, p_.borderColor, p_.specialEffect);
    paintText(p, inner.adjusted(1, 0, -1, 0), p_.caption, p_.textAlign, p_.wordWrap, false);
}

}  // namespace zelk
