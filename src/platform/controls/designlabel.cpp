#include "platform/controls/designlabel.h"

#include "platform/controls/controlutil.h"

namespace zelk {

DesignLabel::DesignLabel(QWidget* parent) : DesignLabelBase(parent) {
    applyTemplate(DesignArray::LabelArray);
}

void DesignLabel::applyTemplate(DesignArray array) {
    reset(array, 1215, 255, SysColor::ButtonText, SysColor::ButtonFace);
}

void DesignLabel::paintEvent(QPaintEvent*) {
    QPainter p(this);
    const QRect r = rect();
    paintBack(p, r);
    const QRect inner = detail::paintFormsBorder(p, r, p_);
    paintText(p, inner.adjusted(1, 0, -1, 0), p_.caption, p_.textAlign, p_.wordWrap, false);
}

}  // namespace zelk
