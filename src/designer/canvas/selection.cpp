#include "designer/canvas/selection.h"

#include <algorithm>

#include "designer/canvas/currentcontrol.h"
#include "platform/controls/designline.h"
#include "platform/form.h"

namespace zelk {

namespace {

constexpr double kNudge = 15;

bool names(const ut_controlprop& entry, const DesignControl* ctrl) {
    return entry.Index == ctrl->Index() && entry.Name == ctrl->Name();
}

QString frameName(const DesignControl* ctrl) {
    return QStringLiteral("ExSize") + ctrl->Name() + QString::number(ctrl->Index());
}

}  // namespace

CanvasSelection::CanvasSelection(CurrentControlState& current, QWidget* form, QWidget* container,
                                 ControlLookup lookup)
    : current_(current), form_(form), container_(container), lookup_(std::move(lookup)) {}

CanvasSelection::~CanvasSelection() = default;

bool CanvasSelection::isSelected(const DesignControl* ctrl) const {
    return ctrl && std::any_of(selected_.begin(), selected_.end(),
                               [ctrl](const ut_controlprop& e) { return names(e, ctrl); });
}

DesignControl* CanvasSelection::control(const ut_controlprop& entry) const {
    return lookup_ ? lookup_(entry.Name, entry.Index) : nullptr;
}

std::vector<DesignControl*> CanvasSelection::selectedControls() const {
    std::vector<DesignControl*> out;
    for (const ut_controlprop& entry : selected_)
        if (DesignControl* c = control(entry)) out.push_back(c);
    return out;
}

void CanvasSelection::AddToSelection(DesignControl* ctrl) {
    if (!ctrl) return;
    if (isSelected(ctrl)) {
        RemoveFromSelection(ctrl);
        return;
    }
    selected_.push_back(ut_controlprop{ctrl->Name(), ctrl->Index()});
    ShowSizeHandles(ctrl);
}

void CanvasSelection::RemoveFromSelection(DesignControl* ctrl) {
    if (!ctrl) return;
    auto it = std::find_if(selected_.begin(), selected_.end(),
                           [ctrl](const ut_controlprop& e) { return names(e, ctrl); });
    if (it == selected_.end()) return;
    selected_.erase(it);
    // The control's frame leaves with it, so that no frame outlives its entry.
    const QString key = frameName(ctrl);
    auto frame = std::find_if(frames_.begin(), frames_.end(),
                              [&key](const auto& f) { return f->OwnerKey() == key; });
    if (frame != frames_.end()) {
        (*frame)->RemoveIndcates();
        frames_.erase(frame);
    }
}

void CanvasSelection::ClearSelection() {
    while (!selected_.empty()) selected_.pop_back();
}

void CanvasSelection::ShowSizeHandles(DesignControl* ctrl) {
    if (!ctrl || asLine(ctrl)) return;
    auto* box = static_cast<DesignBox*>(ctrl);
    auto frame = std::make_unique<IndcateEx>();
    const QString name = frameName(ctrl);
    frame->init(form_, container_, name, name, 1);
    frame->CatchRect(static_cast<float>(box->Left()), static_cast<float>(box->Top()),
                     static_cast<float>(box->Left() + box->Width()),
                     static_cast<float>(box->Top() + box->Height()));
    frame->ShowIndcates();
    frames_.push_back(std::move(frame));
}

void CanvasSelection::RemoveSizeHandles() {
    while (!frames_.empty()) {
        frames_.back()->RemoveIndcates();
        frames_.pop_back();
    }
}

void CanvasSelection::RedrawSelection() {
    RemoveSizeHandles();
    const std::vector<ut_controlprop> entries = selected_;
    for (const ut_controlprop& entry : entries)
        if (DesignControl* c = control(entry)) ShowSizeHandles(c);
}

bool CanvasSelection::nudgeGroup(int keyCode, int shift) {
    if (shift != vbShiftMask || selected_.size() <= 1) return false;
    if (keyCode < vbKeyLeft || keyCode > vbKeyDown) return false;
    const double dx = keyCode == vbKeyLeft ? -kNudge : keyCode == vbKeyRight ? kNudge : 0;
    const double dy = keyCode == vbKeyUp ? -kNudge : keyCode == vbKeyDown ? kNudge : 0;
    RemoveSizeHandles();
    bool moved = false;
    for (DesignControl* c : selectedControls()) {
        if (!asLine(c)) {
            auto* box = static_cast<DesignBox*>(c);
            moved = box->Move(box->Left() + dx, box->Top() + dy) || moved;
        }
        ShowSizeHandles(c);
    }
    return moved;
}

}  // namespace zelk
