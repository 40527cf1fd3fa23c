#include "platform/controls/designcombobox.h"

#include <algorithm>

#include "platform/controls/controlutil.h"

namespace zelk {

DesignComboBox::DesignComboBox(QWidget* parent) : DesignComboBoxBase(parent) {
    applyTemplate(DesignArray::ComboBoxArray);
}

void DesignComboBox::applyTemplate(DesignArray array) {
    reset(array, 1815, 315, SysColor::WindowText, SysColor::Window);
}

void DesignComboBox::paintEvent(QPaintEvent*) {
    QPainter p(this);
    const QRect r = rect();
    paintBack(p, r);
    const QRect inner = detail::paintFormsBorder(p, r, p_);
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
