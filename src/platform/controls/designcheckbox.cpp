#include "platform/controls/designcheckbox.h"

#include <QPainter>
#include <QPainterPath>

namespace zelk {

DesignCheckBox::DesignCheckBox(QWidget* parent) : DesignCheckBoxBase(parent) {
    applyTemplate(DesignArray::CheckBoxArray);
}

void DesignCheckBox::applyTemplate(DesignArray array) {
    reset(array, 1815, 315, SysColor::ButtonText, SysColor::ButtonFace);
}

void DesignCheckBox::paintEvent(QPaintEvent*) {
    QPainter p(this);
    const QRect r = rect();
    paintBack(p, r);
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
