#include "platform/controls/designlistbox.h"

#include <QFontMetrics>
#include <QPainter>

#include "platform/controls/controlutil.h"

namespace zelk {

using detail::assign;

DesignListBox::DesignListBox(QWidget* parent) : DesignFontControl(parent) {
    applyTemplate(DesignArray::ListBoxArray);
}

void DesignListBox::applyTemplate(DesignArray array) {
    resetCommon(array);
    resetBox(1815, 975);
    resetFont(SysColor::WindowText, SysColor::Window);
    p_ = Props{};
    update();
}

void DesignListBox::copyPropertiesFrom(const DesignListBox& other) {
    copyCommonFrom(other);
    copyBoxFrom(other);
    copyFontFrom(other);
    p_ = other.p_;
    update();
}

void DesignListBox::AddItem(const QString& text) {
    p_.list.append(text);
    update();
}

void DesignListBox::Clear() {
    p_.list.clear();
    update();
}

QString DesignListBox::List(int index) const {
    return index >= 0 && index < p_.list.size() ? p_.list.at(index) : QString();
}

bool DesignListBox::setBorderStyle(int style) {
    return assign(this, p_.borderStyle, style, detail::isZeroOrOne(style));
}
bool DesignListBox::setBorderColor(std::int32_t color) {
    return assign(this, p_.borderColor, color, isValidOleColor(color));
}
bool DesignListBox::setSpecialEffect(int effect) {
    return assign(this, p_.specialEffect, effect, isValidSpecialEffect(effect));
}
bool DesignListBox::setTextAlign(int align) {
    return assign(this, p_.textAlign, align, isValidTextAlign(align));
}
void DesignListBox::setIntegralHeight(bool on) {
    assign(this, p_.integralHeight, on);
}
void DesignListBox::setLocked(bool on) {
    assign(this, p_.locked, on);
}
void DesignListBox::setTabStop(bool on) {
    assign(this, p_.tabStop, on);
}

void DesignListBox::paintEvent(QPaintEvent*) {
    QPainter p(this);
    const QRect r = rect();
    p.fillRect(r, oleColorToQColor(BackColor()));
    const QRect inner =
        detail::paintFormsBorder(p, r, p_.borderStyle, p_.borderColor, p_.specialEffect);
    const int rowHeight = QFontMetrics(displayedFont()).height();
    int y = inner.top();
    for (const QString& row : p_.list) {
        if (y >= inner.bottom()) break;
        paintText(p, QRect(inner.left() + 2, y, inner.width() - 4, rowHeight), row, p_.textAlign,
                  false, false);
        y += rowHeight;
    }
}

}  // namespace zelk
