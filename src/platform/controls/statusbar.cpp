#include "platform/controls/statusbar.h"

#include "platform/twips.h"

namespace zelk {

void StatusPanel::SetWidth(double twips) {
    width_ = std::max(0.0, twips);
    apply();
}

void StatusPanel::SetAutoSize(PanelAutoSize mode) {
    autoSize_ = mode;
    apply();
}

void StatusPanel::apply() {
    // Spring panels share the space left; the others keep their width (contents: at least).
    label_->setMinimumWidth(autoSize_ == PanelAutoSize::Spring ? 0 : twipsToPixels(width_));
    label_->setMaximumWidth(autoSize_ == PanelAutoSize::None ? twipsToPixels(width_)
                                                             : QWIDGETSIZE_MAX);
}

StatusBar::StatusBar(QWidget* parent) : QStatusBar(parent), simpleLabel_(new QLabel(this)) {
    setSizeGripEnabled(false);
    addWidget(simpleLabel_, 1);
    simpleLabel_->hide();
}

StatusBar::~StatusBar() {
    for (StatusPanel* p : panels_) delete p;
}

void StatusBar::SetSimple(bool on) {
    simple_ = on;
    simpleLabel_->setVisible(on);
    for (StatusPanel* p : panels_) p->label()->setVisible(!on);
}

StatusPanel* StatusBar::AddPanel(const QString& key, const QString& text, double widthTwips,
                                 PanelAutoSize autoSize) {
    auto* label = new QLabel(text, this);
    label->setFrameShape(QFrame::StyledPanel);
    label->setFrameShadow(QFrame::Sunken);
    addWidget(label, autoSize == PanelAutoSize::Spring ? 1 : 0);
    label->setVisible(!simple_);
    auto* panel = new StatusPanel(PanelCount() + 1, key, label);
    panels_.push_back(panel);
    panel->width_ = widthTwips;
    panel->autoSize_ = autoSize;
    panel->apply();
    return panel;
}

StatusPanel* StatusBar::Panel(int index) const {
    return index >= 1 && index <= PanelCount() ? panels_[index - 1] : nullptr;
}

StatusPanel* StatusBar::Panel(const QString& key) const {
    if (key.isEmpty()) return nullptr;
    for (StatusPanel* p : panels_)
        if (p->Key() == key) return p;
    return nullptr;
}

void StatusBar::ClearPanels() {
    for (StatusPanel* p : panels_) {
        removeWidget(p->label());
        delete p->label();
        delete p;
    }
    panels_.clear();
}

}  // namespace zelk
