#include "designer/canvas/mouseevents.h"
#include "designer/designerbase.h"
#include "designer/designercanvashost.h"
#include "platform/errors.h"

#include <QHash>

namespace zelk {

namespace {

bool isInputArray(const QString& name) {
    static const QStringList names = {
        QStringLiteral("TextBoxArray"),  QStringLiteral("CheckBoxArray"),
        QStringLiteral("ComboBoxArray"), QStringLiteral("DatePickerArray"),
        QStringLiteral("ListBoxArray"),  QStringLiteral("MemoBoxArray"),
        QStringLiteral("MMXArray"),      QStringLiteral("ChildTableArray")};
    return names.contains(name);
}

// The array kind of a name ("TextBoxArray" is 2), or 0.
std::int32_t arrayKind(const QString& name) {
    static const QHash<QString, std::int32_t> kinds = [] {
        QHash<QString, std::int32_t> h;
        for (int k = 1; k <= 13; ++k) h.insert(designArrayName(static_cast<DesignArray>(k)), k);
        return h;
    }();
    return kinds.value(name, 0);
}

}  // namespace

// ---- The designer's side of the gestures -----------------------------------------------------

std::vector<DesignControl*> DesignerCanvasHost::pickCandidates() const {
    std::vector<DesignControl*> out;
    const QObjectList& children = d_.PictureTest->children();
    // Front-most first: the child list is the stacking order, the last child on top.
    for (auto it = children.rbegin(); it != children.rend(); ++it) {
        auto* c = qobject_cast<DesignControl*>(*it);
        if (!c || !c->Visible() || c->Index() <= 0) continue;
        const std::int32_t kind = arrayKind(c->Name());
        if (kind == 0 || (kind == 13 && !d_.picksPostils_)) continue;
        out.push_back(c);
    }
    return out;
}

std::int32_t DesignerCanvasHost::itemIndex(const DesignControl* ctrl) const {
    if (!ctrl) return 0;
    bool ok = false;
    const int index = ctrl->Tag().trimmed().toInt(&ok);
    return ok && index >= 1 && index <= d_.ItemCount ? index : 0;
}

std::optional<std::int32_t> DesignerCanvasHost::itemNo(const DesignControl* ctrl) const {
    const std::int32_t index = itemIndex(ctrl);
    if (index == 0) return std::nullopt;
    return d_.ItemTable[static_cast<std::size_t>(index)].ItemNo;
}

QString DesignerCanvasHost::itemName(const DesignControl* ctrl) const {
    const std::int32_t index = itemIndex(ctrl);
    return index ? d_.ItemTable[static_cast<std::size_t>(index)].ItemName : QString();
}

bool DesignerCanvasHost::numberedInTabOrder(const DesignControl* ctrl) const {
    return ctrl && isInputArray(ctrl->Name());
}

void DesignerCanvasHost::setEntryOrder(const DesignControl* ctrl, std::int32_t order) {
    if (const std::int32_t index = itemIndex(ctrl))
        d_.ItemTable[static_cast<std::size_t>(index)].EntryOrder = order;
}

void DesignerCanvasHost::markModified() {
    d_.DesignModified = true;
}

void DesignerCanvasHost::LayoutScrollBars() {
    d_.LayoutScrollBars();
}

void DesignerCanvasHost::canvasResized() {
    d_.PictureContainer_Resize();
}

void DesignerCanvasHost::popupItemMenu(DesignControl* ctrl, bool customItem,
                                       const QPoint& globalPos) {
    d_.curIndex = static_cast<std::int16_t>(ctrl->Index());
    PopupMenu(customItem ? *d_.mnu_usercontrol : *d_.pop_menu, globalPos);
}

// ---- The handlers ----------------------------------------------------------------------------

DesignControl* DesignerBase::controlByName(const QString& name, std::int32_t index) const {
    const std::int32_t kind = arrayKind(name);
    if (kind == 0 || index <= 0) return nullptr;
    return itemControl(kind, index);
}

CanvasGesture& DesignerBase::gesture() {
    return mouse_->state;
}

bool DesignerBase::cancelCanvasGesture() {
    return mouse_ && mouse_->cancelGesture();
}

void DesignerBase::setItemEntryCanvasHooks() {
    mouse_->tabOrderBlocksHandleDrag = true;
    picksPostils_ = true;
}

void DesignerBase::pic_MouseDown(int Index, int Button, int Shift, float X, float Y) {
    mouse_->pic_MouseDown(Index, Button, Shift, X, Y);
}

void DesignerBase::pic_MouseMove(int Index, int Button, int Shift, float X, float Y) {
    mouse_->pic_MouseMove(Index, Button, Shift, X, Y);
}

void DesignerBase::pic_MouseUp(int Index, int Button, int Shift, float X, float Y) {
    mouse_->pic_MouseUp(Index, Button, Shift, X, Y);
}

void DesignerBase::PictureContainer_MouseDown(int Button, int Shift, float X, float Y) {
    mouse_->PictureContainer_MouseDown(Button, Shift, X, Y);
}

void DesignerBase::PictureContainer_MouseMove(int Button, int Shift, float X, float Y) {
    mouse_->PictureContainer_MouseMove(Button, Shift, X, Y);
}

void DesignerBase::PictureContainer_MouseUp(int Button, int Shift, float X, float Y) {
    mouse_->PictureContainer_MouseUp(Button, Shift, X, Y);
}

void DesignerBase::connectMouse() {
    canvasHost_ = std::make_unique<DesignerCanvasHost>(*this);
    mouse_ = std::make_unique<CanvasMouse>(selection_, handles_, *sizeline, PictureContainer,
                                           std::array<QLineEdit*, 4>{Text1, Text2, Text3, Text4},
                                           *canvasHost_);
    mouseRelay_ = new MouseRelay(
        [this](QObject* watched, MousePhase phase, const MouseArgs& args) {
            TrapErrors(QStringLiteral("DesignerBase"), [&] {
                if (mouse_) mouse_->route(watched, phase, args);
            });
        },
        this);
    // Moves without a button reach the canvas too, through its background layer and the
    // controls on it: they show the edge pointers that the next press reads.
    PictureContainer->setMouseTracking(true);
    trackHoverOfChildren(PictureTest);
    mouseRelay_->watch(PictureContainer);
}

// The handles exist once the window has loaded them: they take the mouse from then on.
void DesignerBase::watchHandles() {
    for (int i = 1; i <= 5; ++i)
        if (DesignPictureBox* box = pic().find(i)) mouseRelay_->watch(box);
    for (DesignPictureBox* box : {sizeline->pic10(), sizeline->pic20(), sizeline->pic30()})
        if (box) mouseRelay_->watch(box);
}

}  // namespace zelk
