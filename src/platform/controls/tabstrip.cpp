#include "platform/controls/tabstrip.h"

#include <QTabBar>

namespace zelk {

TabStrip::TabStrip(QWidget* parent) : QTabWidget(parent) {
    connect(this, &QTabWidget::currentChanged, this, [this](int current) {
        const int left = previous_;
        previous_ = current;
        if (left != current) emit Click(left);
    });
}

void TabStrip::SetTabs(int n) {
    n = std::max(0, n);
    while (count() < n) AddTab(QStringLiteral("Tab %1").arg(count()));
    while (count() > n) {
        QWidget* p = widget(count() - 1);
        removeTab(count() - 1);
        delete p;
    }
}

QWidget* TabStrip::AddTab(const QString& caption) {
    auto* p = new QWidget;
    addTab(p, caption);
    return p;
}

void TabStrip::SetTab(int tab) {
    if (tab >= 0 && tab < count()) setCurrentIndex(tab);
}

QString TabStrip::TabCaption(int tab) const {
    return tabText(tab);
}

void TabStrip::SetTabCaption(int tab, const QString& caption) {
    if (tab >= 0 && tab < count()) setTabText(tab, caption);
}

bool TabStrip::TabVisible(int tab) const {
    return tab >= 0 && tab < count() && isTabVisible(tab);
}

void TabStrip::SetTabVisible(int tab, bool on) {
    if (tab < 0 || tab >= count()) return;
    setTabVisible(tab, on);
    if (on || tab != currentIndex()) return;
    // The current tab went away: show the next visible one (or the previous).
    for (int i = 1; i < count(); ++i) {
        const int next = (tab + i) % count();
        if (isTabVisible(next)) {
            setCurrentIndex(next);
            return;
        }
    }
}

bool TabStrip::TabEnabled(int tab) const {
    return tab >= 0 && tab < count() && isTabEnabled(tab);
}

void TabStrip::SetTabEnabled(int tab, bool on) {
    if (tab >= 0 && tab < count()) setTabEnabled(tab, on);
}

QWidget* TabStrip::page(int tab) const {
    return tab >= 0 && tab < count() ? widget(tab) : nullptr;
}

}  // namespace zelk
