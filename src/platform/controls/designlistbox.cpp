#include "platform/controls/designlistbox.h"

#include <QFontMetrics>

#include "platform/controls/controlutil.h"

namespace zelk {

DesignListBox::DesignListBox(QWidget* parent) : DesignListBoxBase(parent) {
    applyTemplate(DesignArray::ListBoxArray);
}

void DesignListBox::applyTemplate(DesignArray array) {
    reset(array, 1815, 975, SysColor::WindowText, SysColor::Window);
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

void DesignListBox::paintEvent(QPaintEvent*) {
    QPainter p(this);
    const QRect r = rect();
    p.fillRect(r, oleColorToQColor(BackColor()));
    const QRect inner = detail::paintFormsBorder(p, r, p_);
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
