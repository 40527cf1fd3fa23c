#include "platform/controls/designplaintextbox.h"

#include <QPainter>

namespace zelk {

DesignPlainTextBox::DesignPlainTextBox(QWidget* parent) : DesignPlainTextBoxBase(parent) {
    applyTemplate(DesignArray::DatePickerArray);
}

void DesignPlainTextBox::applyTemplate(DesignArray array) {
    reset(array, 1815, 315, SysColor::WindowText, SysColor::Window);
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
