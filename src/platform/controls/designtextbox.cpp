#include "platform/controls/designtextbox.h"

#include "platform/controls/controlutil.h"

namespace zelk {

DesignTextBox::DesignTextBox(QWidget* parent) : DesignTextBoxBase(parent) {
    applyTemplate(DesignArray::TextBoxArray);
}

void DesignTextBox::applyTemplate(DesignArray array) {
    if (array == DesignArray::MemoBoxArray) {
        // The memo box is the multi-line one.
        reset(array, 2415, 975, SysColor::WindowText, SysColor::Window);
        p_.multiLine = true;
    } else {
        reset(array, 1815, 315, SysColor::WindowText, SysColor::Window);
    }
}

void DesignTextBox::paintEvent(QPaintEvent*) {
    QPainter p(this);
    const QRect r = rect();
    paintBack(p, r);
    const QRect inner = detail::paintFormsBorder(p, r, p_);
    paintText(p, inner.adjusted(2, 1, -2, -1), p_.text, p_.textAlign, p_.multiLine && p_.wordWrap,
              !p_.multiLine);
}

}  // namespace zelk
