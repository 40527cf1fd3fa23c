#include "platform/controls/designframe.h"

#include <QFontMetrics>
#include <QPainter>
#include <algorithm>

#include "platform/controls/controlutil.h"

namespace zelk {

DesignFrame::DesignFrame(QWidget* parent) : DesignFrameBase(parent) {
    applyTemplate(DesignArray::FrameArray);
}

void DesignFrame::applyTemplate(DesignArray array) {
    reset(array, 2415, 1455, SysColor::ButtonText, SysColor::ButtonFace);
}

void DesignFrame::paintEvent(QPaintEvent*) {
    QPainter p(this);
    const QRect r = rect();
    const QColor back = oleColorToQColor(BackColor());
    p.fillRect(r, back);
    const QFont font = displayedFont();
    const QFontMetrics metrics(font);
    // The border runs through the middle of the caption line.
    const int top = p_.caption.isEmpty() ? 0 : metrics.height() / 2;
    const QRect border = r.adjusted(0, top, 0, 0);
    if (p_.borderStyle == 1) {
        detail::paintOutline(p, border, r, p_.borderWidth, oleColorToQColor(p_.borderColor));
    } else {
        paintSpecialEffect(p, border, p_.specialEffect);
    }
    if (!p_.caption.isEmpty()) {
        const int width = std::min(metrics.horizontalAdvance(p_.caption) + 4, r.width() - 12);
        const QRect caption(7, 0, std::max(0, width), metrics.height());
        p.fillRect(caption, back);
        paintText(p, caption.adjusted(2, 0, 0, 0), p_.caption, 1, false, false);
    }
}

}  // namespace zelk
