// The canvas commands of both designers: the toolbars that add items, line up the selection and
// switch tab-order mode; the two context menus; the Del key and the double click on the canvas.
// Each handler only chooses the operation; every operation that changes the design marks it
// modified.

#include <algorithm>

#include "component/fixedfield.h"
#include "designer/designerbase.h"
#include "platform/controls/designline.h"

namespace zelk {

namespace {

const QString kCustomPrefix = QStringLiteral("自定义");

}  // namespace

std::int32_t DesignerBase::itemIndexOf(const DesignControl* control) const {
    if (!control) return 0;
    const auto index = numericInt32(control->Tag());
    if (!index || *index < 1 || *index > ItemCount) return 0;
    return *index;
}

// ---- Toolbar2: custom items ---------------------------------------------------------------

void DesignerBase::Toolbar2_ButtonClick(ToolbarButton* Button) {
    if (Button) Toolbar2_ButtonClick(Button->Key());
}

void DesignerBase::Toolbar2_ButtonClick(const QString& key) {
    if (key == QLatin1String("line"))
        AddCustomLine();
    else if (key == QLatin1String("rectangle") || key == QLatin1String("label"))
        AddCustomLabel();
}

// ---- Toolbar3: alignment, size and spacing --------------------------------------------------

void DesignerBase::Toolbar3_ButtonClick(ToolbarButton* Button) {
    if (Button) Toolbar3_ButtonClick(Button->Key());
}

void DesignerBase::Toolbar3_ButtonClick(const QString& key) {
    const std::vector<DesignControl*> selected = selectedForArrange();
    if (selected.empty()) return;
    // Lines have no rectangle: they are left where they are, as the group move leaves them.
    std::vector<DesignBox*> boxes;
    for (DesignControl* c : selected)
        if (!asLine(c)) boxes.push_back(static_cast<DesignBox*>(c));
    const auto command = arrangeCommandOfKey(key);
    if (command && !boxes.empty()) {
        std::vector<ArrangeRect> rects;
        for (const DesignBox* b : boxes)
            rects.push_back({b->Left(), b->Top(), b->Width(), b->Height()});
        const std::vector<ArrangeRect> placed = arrangeRects(*command, rects, spacingRule());
        for (std::size_t i = 0; i < boxes.size(); ++i) {
            if (placed[i] == rects[i]) continue;
            DesignBox& b = *boxes[i];
            if (placed[i].left != rects[i].left) b.setLeft(placed[i].left);
            if (placed[i].top != rects[i].top) b.setTop(placed[i].top);
            if (placed[i].width != rects[i].width) b.setWidth(placed[i].width);
            if (placed[i].height != rects[i].height) b.setHeight(placed[i].height);
            DesignModified = true;
        }
    }
    redrawSelectionAfterArrange();
}

// ---- Toolbar4: tab-order mode ---------------------------------------------------------------

void DesignerBase::Toolbar4_ButtonClick(ToolbarButton* Button) {
    if (!Button || Button->Key() != QLatin1String("tabOrder")) return;
    const bool on = Button->Value();
    setTabOrderMode(on);
    if (on)
        MsgBox(QStringLiteral("现在进入录入顺序调整模式，请按照要设置的录入顺序用鼠标单击控件，") +
                   QStringLiteral("\n完成后按[调整录入顺序]取消该模式"),
               vbInformation, QStringLiteral("操作提示"));
    else
        MsgBox(QStringLiteral("录入顺序调整结束"), vbInformation, QStringLiteral("操作提示"));
}

// ---- Stacking -------------------------------------------------------------------------------

void DesignerBase::restack(bool toFront) {
    DesignControl* control = CurrentControl();
    if (!control) return;
    control->ZOrder(toFront ? 0 : 1);
    // The item number beyond every other, deleted items included, so that the save stores the
    // item in its new place.
    std::int32_t m = toFront ? -32768 : 32768;
    for (std::int32_t i = 1; i <= ItemCount; ++i)
        m = toFront ? std::max(m, ItemTable[i].ItemNo) : std::min(m, ItemTable[i].ItemNo);
    if (const std::int32_t index = itemIndexOf(control))
        ItemTable[index].ItemNo = toFront ? m + 1 : m - 1;
    DesignModified = true;
}

bool DesignerBase::stackedAsRead() const {
    std::vector<std::int32_t> live;
    for (std::int32_t i = 1; i <= ItemCount; ++i)
        if (ItemTable[static_cast<std::size_t>(i)].Deleted == 0) live.push_back(i);
    if (static_cast<std::int32_t>(live.size()) != ItemsRead) return false;
    // Equal numbers keep the order of the items' indexes, as an opening loads them.
    std::stable_sort(live.begin(), live.end(), [this](std::int32_t a, std::int32_t b) {
        return ItemTable[static_cast<std::size_t>(a)].ItemNo <
               ItemTable[static_cast<std::size_t>(b)].ItemNo;
    });
    for (std::size_t k = 0; k < live.size(); ++k)
        if (live[k] != static_cast<std::int32_t>(k) + 1) return false;
    return true;
}

void DesignerBase::mnu_toback_Click() {
    restack(false);
}

void DesignerBase::mnu_tofront_Click() {
    restack(true);
}

// ---- Copy, properties, delete ------------------------------------------------------------

void DesignerBase::mnu_ucCopy_Click() {
    DesignControl* control = CurrentControl();
    if (!control) return;
    if (DesignLine* line = asLine(control)) {
        DesignLine* source = line;
        CopyCustomLine(source);
        // The source stays current, with its end-point handles back on it.
        VBSelectControl(line);
    } else if (control->Name() == QLatin1String("LabelArray")) {
        DesignControl* source = control;
        CopyCustomLabel(source);
    }
}

void DesignerBase::mnu_ucProperty_Click() {
    DesignControl* control = CurrentControl();
    if (!control) return;
    if (control->Name() == QLatin1String("LabelArray")) {
        mnu_label_prop_Click();
        return;
    }
    DesignLine* line = asLine(control);
    if (!line) return;
    CommonDialog dialog;
    dialog.Color = line->BorderColor();
    dialog.Flags = cdlCCRGBInit;
    dialog.CancelError = true;
    try {
        dialog.ShowColor();
    } catch (const ZelkError& e) {
        // Cancelled: the line keeps its colour and nothing is asked.
        if (e.number() == kErrCancel) return;
        throw;
    }
    line->setBorderColor(dialog.Color);
    DesignModified = true;
    if (MsgBox(QStringLiteral("是否应用到全部线条？"), vbYesNo + vbQuestion,
               QStringLiteral("确认")) == vbYes)
        setAllLineColors(dialog.Color);
}

void DesignerBase::setAllLineColors(std::int32_t color) {
    for (const int i : LineArray.indices()) LineArray[i].setBorderColor(color);
}

void DesignerBase::mnu_unDelete_Click() {
    DesignControl* control = CurrentControl();
    if (!control) return;
    const std::int32_t index = itemIndexOf(control);
    if (index == 0) return;
    DesignItem& item = ItemTable[index];
    // A caption label stands for its item: the whole item goes.
    DesignControl* target = itemControl(item);
    if (!target) target = control;
    DesignLabel* caption = item.CaptionIndex > 0 ? LabelArray.find(item.CaptionIndex) : nullptr;
    target->hide();
    if (caption) caption->hide();
    item.Deleted = -1;
    for (int n = 1; n <= TreeView1->Count(); ++n) {
        Node* node = TreeView1->Item(n);
        if (node && node->Tag() == QString::number(index)) {
            TreeView1->Remove(n);
            break;
        }
    }
    HidePic();
    sizeline->HideIndcates();
    dropFromSelection(target);
    if (caption) dropFromSelection(caption);
    if (control != target && control != caption) dropFromSelection(control);
    currentControlState().setCurrentControl(nullptr);
    DesignModified = true;
}

void DesignerBase::PictureContainer_KeyDown(int keyCode, int) {
    if (keyCode == vbKeyDelete) mnu_unDelete_Click();
}

void DesignerBase::PictureContainer_DblClick() {
    if (DesignControl* control = CurrentControl()) {
        curIndex = static_cast<std::int16_t>(control->Index());
        const std::int32_t index = itemIndexOf(control);
        const bool custom =
            index > 0 && TrimFixedField(ItemTable[index].ItemName).startsWith(kCustomPrefix);
        if (custom) {
            mnu_ucProperty->setText(control->Name() == QLatin1String("LabelArray")
                                        ? QStringLiteral("编辑属性...")
                                        : QStringLiteral("颜色..."));
            mnu_ucProperty_Click();
        } else {
            mnu_prop_Click();
        }
        // The commands mark the design modified themselves when they change it: a cancelled
        // dialog leaves it unmodified.
    }
    clearSelectionAfterDblClick();
}

}  // namespace zelk
