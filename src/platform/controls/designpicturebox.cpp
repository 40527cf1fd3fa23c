#include "platform/controls/designpicturebox.h"

#include <QPainter>
#include <algorithm>

#include "platform/controls/controlutil.h"

namespace zelk {

using detail::assign;

namespace {
Qt::CursorShape cursorFor(int pointer) {
    switch (pointer) {
        case 2:
            return Qt::CrossCursor;
        case 3:
            return Qt::IBeamCursor;
        case 5:
        case 15:
            return Qt::SizeAllCursor;
        case 6:
            return Qt::SizeBDiagCursor;
        case 7:
            return Qt::SizeVerCursor;
        case 8:
            return Qt::SizeFDiagCursor;
        case 9:
            return Qt::SizeHorCursor;
        case 10:
            return Qt::UpArrowCursor;
        case 11:
            return Qt::WaitCursor;
        case 12:
            return Qt::ForbiddenCursor;
        case 13:
            return Qt::BusyCursor;
        case 14:
            return Qt::WhatsThisCursor;
        default:
            return Qt::ArrowCursor;
    }
}
}  // namespace

DesignPictureBox::DesignPictureBox(QWidget* parent) : DesignBox(parent) {
    applyTemplate(DesignArray::ShapeArray);
}

void DesignPictureBox::applyTemplate(DesignArray array) {
    resetCommon(array);
    resetBox(1215, 615);
    p_ = Props{};
    unsetCursor();
    update();
}

void DesignPictureBox::copyPropertiesFrom(const DesignPictureBox& other) {
    copyCommonFrom(other);
    copyBoxFrom(other);
    p_ = other.p_;
    setCursor(cursorFor(p_.mousePointer));
    update();
}

bool DesignPictureBox::setBackColor(std::int32_t color) {
    return assign(this, p_.backColor, color, isValidOleColor(color));
}
bool DesignPictureBox::setForeColor(std::int32_t color) {
    return assign(this, p_.foreColor, color, isValidOleColor(color));
}
bool DesignPictureBox::setBorderStyle(int style) {
    return assign(this, p_.borderStyle, style, detail::isZeroOrOne(style));
}
bool DesignPictureBox::setAppearance(int appearance) {
    return assign(this, p_.appearance, appearance, detail::isZeroOrOne(appearance));
}
bool DesignPictureBox::setDrawWidth(int width) {
    return assign(this, p_.drawWidth, width, width >= 1 && width <= 32767);
}
bool DesignPictureBox::setMousePointer(int pointer) {
    if (!assign(this, p_.mousePointer, pointer, (pointer >= 0 && pointer <= 15) || pointer == 99)) {
        return false;
    }
    setCursor(cursorFor(pointer));
    return true;
}

void DesignPictureBox::paintEvent(QPaintEvent*) {
    QPainter p(this);
    const QRect r = rect();
    p.fillRect(r, oleColorToQColor(p_.backColor));
    if (p_.borderStyle != 1) return;
    if (p_.appearance == 1) {
        paintSpecialEffect(p, r, 2);
        return;
    }
    // Flat: an outline in the fore colour, DrawWidth pixels wide.
    const int pen = std::clamp(p_.drawWidth, 1, std::max(1, std::min(r.width(), r.height()) / 2));
    QRegion ring(r);
    ring -= QRegion(r.adjusted(pen, pen, -pen, -pen));
    p.setClipRegion(ring);
    p.fillRect(r, oleColorToQColor(p_.foreColor));
}

}  // namespace zelk
