#include "platform/controls/designcontrol.h"

#include <QMouseEvent>
#include <QPainter>
#include <algorithm>
#include <cmath>
#include <iterator>

#include "platform/controls/propertycontrol.h"

namespace zelk {

QString designArrayName(DesignArray array) {
    static const char* const names[] = {
        "LabelArray",   "TextBoxArray",    "CheckBoxArray", "ComboBoxArray", "DatePickerArray",
        "ListBoxArray", "ShapeArray",      "FrameArray",    "LineArray",     "MemoBoxArray",
        "MMXArray",     "ChildTableArray", "PostilArray",
    };
    static_assert(std::size(names) == static_cast<int>(DesignArray::PostilArray));
    const int i = static_cast<int>(array) - 1;
    return i >= 0 && i < static_cast<int>(std::size(names)) ? QString::fromLatin1(names[i])
                                                            : QString();
}

// ---------------------------------------------------------------------------------------------

DesignControl::DesignControl(QWidget* parent) : QWidget(parent) {
    setFocusPolicy(Qt::NoFocus);
    setAttribute(Qt::WA_NoMousePropagation, false);
}

void DesignControl::setEnabled(bool enabled) {
    if (common_.enabled == enabled) return;
    common_.enabled = enabled;
    update();
}

void DesignControl::ZOrder(int position) {
    if (position == 0) {
        raise();
    } else {
        lower();
    }
}

void DesignControl::copyBaseFrom(const DesignControl& other) {
    common_ = other.common_;
    setObjectName(other.objectName());
    update();
}

void DesignControl::resetBase(DesignArray array) {
    common_ = Common{};
    setObjectName(designArrayName(array));
    update();
}

// The canvas handles the mouse: pass every event on to the parent.
void DesignControl::mousePressEvent(QMouseEvent* event) {
    event->ignore();
}
void DesignControl::mouseReleaseEvent(QMouseEvent* event) {
    event->ignore();
}
void DesignControl::mouseDoubleClickEvent(QMouseEvent* event) {
    event->ignore();
}
void DesignControl::mouseMoveEvent(QMouseEvent* event) {
    event->ignore();
}

// ---------------------------------------------------------------------------------------------

namespace {
bool validSize(double v) {
    return std::isfinite(v) && v >= 0;
}
}  // namespace

DesignBox::DesignBox(QWidget* parent) : DesignControl(parent) {
    setBox(box_);
}

bool DesignBox::setLeft(double left) {
    return Move(left, box_.top, box_.width, box_.height);
}
bool DesignBox::setTop(double top) {
    return Move(box_.left, top, box_.width, box_.height);
}
bool DesignBox::setWidth(double width) {
    return Move(box_.left, box_.top, width, box_.height);
}
bool DesignBox::setHeight(double height) {
    return Move(box_.left, box_.top, box_.width, height);
}

bool DesignBox::Move(double left, double top) {
    return Move(left, top, box_.width, box_.height);
}

bool DesignBox::Move(double left, double top, double width, double height) {
    if (!std::isfinite(left) || !std::isfinite(top) || !validSize(width) || !validSize(height)) {
        return false;
    }
    setBox(Box{left, top, width, height});
    return true;
}

void DesignBox::copyBaseFrom(const DesignBox& other) {
    DesignControl::copyBaseFrom(other);
    setBox(other.box_);
}

void DesignBox::resetBase(DesignArray array, double width, double height) {
    DesignControl::resetBase(array);
    setBox(Box{0, 0, width, height});
}

void DesignBox::setBox(const Box& box) {
    box_ = box;
    setGeometry(twipsToPixels(box_.left), twipsToPixels(box_.top), twipsToPixels(box_.width),
                twipsToPixels(box_.height));
    update();
}

// ---------------------------------------------------------------------------------------------

DesignFontControl::DesignFontControl(QWidget* parent) : DesignBox(parent) {}

bool DesignFontControl::setFontName(const QString& name) {
    return detail::assign(this, font_.name, name);
}
bool DesignFontControl::setFontSize(double points) {
    return detail::assign(this, font_.size, points,
                          std::isfinite(points) && points > 0 && points <= kMaxFontPoints);
}
void DesignFontControl::setFontBold(bool on) {
    detail::assign(this, font_.bold, on);
}
void DesignFontControl::setFontItalic(bool on) {
    detail::assign(this, font_.italic, on);
}
void DesignFontControl::setFontUnderline(bool on) {
    detail::assign(this, font_.underline, on);
}
void DesignFontControl::setFontStrikethru(bool on) {
    detail::assign(this, font_.strikethru, on);
}
bool DesignFontControl::setForeColor(std::int32_t color) {
    return detail::assign(this, font_.foreColor, color, isValidOleColor(color));
}
bool DesignFontControl::setBackColor(std::int32_t color) {
    return detail::assign(this, font_.backColor, color, isValidOleColor(color));
}

QFont DesignFontControl::displayedFont() const {
    return displayFont(font_.name, font_.size, font_.bold, font_.italic, font_.underline,
                       font_.strikethru);
}

void DesignFontControl::copyBaseFrom(const DesignFontControl& other) {
    DesignBox::copyBaseFrom(other);
    font_ = other.font_;
    update();
}

void DesignFontControl::resetBase(DesignArray array, double width, double height,
                                  std::int32_t foreColor, std::int32_t backColor) {
    DesignBox::resetBase(array, width, height);
    font_ = FontProps{};
    font_.name = QStringLiteral("宋体");
    font_.foreColor = foreColor;
    font_.backColor = backColor;
    update();
}

QColor DesignFontControl::foreground() const {
    return Enabled() ? oleColorToQColor(font_.foreColor) : oleColorToQColor(SysColor::GrayText);
}

void DesignFontControl::paintText(QPainter& painter, const QRect& rect, const QString& text,
                                  int textAlign, bool wordWrap, bool vCentre) const {
    if (text.isEmpty() || rect.width() <= 0 || rect.height() <= 0) return;
    painter.save();
    painter.setClipRect(rect);
    painter.setFont(displayedFont());
    painter.setPen(foreground());
    int flags = textAlignFlag(textAlign) | (vCentre ? Qt::AlignVCenter : Qt::AlignTop);
    if (wordWrap) flags |= Qt::TextWordWrap | Qt::TextWrapAnywhere;
    painter.drawText(rect, flags, text);
    painter.restore();
}

// ---------------------------------------------------------------------------------------------

bool isValidSpecialEffect(int effect) {
    return effect == 0 || effect == 1 || effect == 2 || effect == 3 || effect == 6;
}

bool isValidTextAlign(int align) {
    return align >= 1 && align <= 3;
}

int textAlignFlag(int align) {
    switch (align) {
        case 2:
            return Qt::AlignHCenter;
        case 3:
            return Qt::AlignRight;
        default:
            return Qt::AlignLeft;
    }
}

namespace {
// One 1-pixel edge: top and left in one colour, bottom and right in the other.
void drawEdge(QPainter& p, const QRect& r, std::int32_t topLeft, std::int32_t bottomRight) {
    if (r.width() <= 0 || r.height() <= 0) return;
    p.setPen(oleColorToQColor(topLeft));
    p.drawLine(r.left(), r.top(), r.right(), r.top());
    p.drawLine(r.left(), r.top(), r.left(), r.bottom());
    p.setPen(oleColorToQColor(bottomRight));
    p.drawLine(r.left(), r.bottom(), r.right(), r.bottom());
    p.drawLine(r.right(), r.top(), r.right(), r.bottom());
}
}  // namespace

void paintSpecialEffect(QPainter& p, const QRect& r, int effect) {
    const QRect inner = r.adjusted(1, 1, -1, -1);
    p.save();
    switch (effect) {
        case 1:  // raised
            drawEdge(p, r, SysColor::ButtonHighlight, SysColor::DarkShadow3D);
            drawEdge(p, inner, SysColor::Light3D, SysColor::ButtonShadow);
            break;
        case 2:  // sunken
            drawEdge(p, r, SysColor::ButtonShadow, SysColor::ButtonHighlight);
            drawEdge(p, inner, SysColor::DarkShadow3D, SysColor::Light3D);
            break;
        case 3:  // etched
            drawEdge(p, r, SysColor::ButtonShadow, SysColor::ButtonHighlight);
            drawEdge(p, inner, SysColor::ButtonHighlight, SysColor::ButtonShadow);
            break;
        case 6:  // bump
            drawEdge(p, r, SysColor::ButtonHighlight, SysColor::ButtonShadow);
            drawEdge(p, inner, SysColor::ButtonShadow, SysColor::ButtonHighlight);
            break;
        default:
            break;
    }
    p.restore();
}

}  // namespace zelk
