#include "platform/controls/designpicturebox.h"

#include "platform/controls/controlutil.h"

#include "platform/pointer.h"

namespace zelk {

DesignPictureBox::DesignPictureBox(QWidget* parent) : DesignPictureBoxBase(parent) {
    applyTemplate(DesignArray::ShapeArray);
}

void DesignPictureBox::applyTemplate(DesignArray array) {
    reset(array, 1215, 615);
    unsetCursor();
}

void DesignPictureBox::copyPropertiesFrom(const DesignPictureBox& other) {
    copyFrom(other);
    setCursor(cursorForMousePointer(p_.mousePointer));
}

bool DesignPictureBox::setMousePointer(int pointer) {
    if (!set(p_.mousePointer, pointer, (pointer >= 0 && pointer <= 15) || pointer == 99)) {
        return false;
    }
    setCursor(cursorForMousePointer(pointer));
    return true;
}

void DesignPictureBox::setPicture(const QPixmap& picture) {
    picture_ = picture;
    update();
}

void DesignPictureBox::paintEvent(QPaintEvent*) {
    QPainter p(this);
    const QRect r = rect();
    p.fillRect(r, oleColorToQColor(p_.backColor));
    if (!picture_.isNull()) p.drawPixmap(0, 0, picture_);
    if (p_.borderStyle != 1) return;
    if (p_.appearance == 1) {
        paintSpecialEffect(p, r, 2);
        return;
    }
    // Flat: an outline in the fore colour, DrawWidth pixels wide.
    detail::paintOutline(p, r, r, p_.drawWidth, oleColorToQColor(p_.foreColor));
}

}  // namespace zelk
