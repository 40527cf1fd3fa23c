// The designer's commands that this window offers today: the main toolbar, the field tree, the
// position boxes and the property command of the current control.

#include "component/fixedfield.h"
#include "component/zelkmodule.h"
#include "dataaccess/dravix.h"
#include "designer/designerbase.h"
#include "platform/pointer.h"
#include "propdialogs/frm_check_prop.h"
#include "propdialogs/frm_combo_prop.h"
#include "propdialogs/frm_ctable_prop.h"
#include "propdialogs/frm_date_prop.h"
#include "propdialogs/frm_field_new.h"
#include "propdialogs/frm_label_prop.h"
#include "propdialogs/frm_zelk_jmsx.h"

namespace zelk {

void DesignerBase::positionBoxChanged(int box) {
    QLineEdit* boxes[] = {Text1, Text2, Text3, Text4};
    if (current_.positionBoxChanged(box, boxes[box - 1]->text())) DesignModified = true;
}

void DesignerBase::Toolbar1_ButtonClick(ToolbarButton* Button) {
    if (Button) Toolbar1_ButtonClick(Button->Key());
}

void DesignerBase::Toolbar1_ButtonClick(const QString& key) {
    if (key == QLatin1String("save")) {
        if (!InterfaceLoaded) return;
        BusyCursor busy;
        saveAsAsked();
        // A box left with a half-typed value shows the control as saved.
        ShowControlGeometry(true);
    } else if (key == QLatin1String("prop")) {
        if (!CurrentControl()) return;
        curIndex = static_cast<std::int16_t>(CurrentControl()->Index());
        mnu_prop_Click();
    } else if (key == QLatin1String("color")) {
        if (InterfaceLoaded) ShowInterfaceProperties();
    } else if (key == QLatin1String("field")) {
        if (!InterfaceLoaded) return;
        frm_field_new dialog(this);
        const auto kind = static_cast<std::int16_t>(
            toInt32(leadingNumber(TrimFixedField(fieldText(InterfaceRow.id05)))).value_or(0));
        dialog.init(hdbc, gSystemName, gMainTable, fid, kind);
        ShowModal(dialog, this);
        dialog.forceUnload();
        if (dialog.Cancelled) return;
        // The dialog has stored the row; the design now holds an item the database has too.
        const std::int32_t stmt = prepareItemRowsWhere(itemKeyColumn() + QLatin1Char('=') +
                                                       QString::number(dialog.NewItemId));
        if (stmt > 0) loadItemRows(stmt);
        DesignModified = true;
    } else if (key == QLatin1String("close")) {
        unload();
    }
}

void DesignerBase::ShowInterfaceProperties() {
    bool stored = false;  // the dialog stored the interface row
    showHeld<frm_zelk_jmsx>(
        jmsx, [this](QString& id) { jmsx_NeedHelp(id); },
        [this](frm_zelk_jmsx& d) { d.init(hdbc, fid, fieldText(InterfaceRow.id09)); },
        [&stored](frm_zelk_jmsx& d) { stored = !d.EditCancelled; });
    if (!stored) return;
    // Read into a copy: a failed read must not leave a half-filled row for the next save.
    INDTRecord row{};
    if (sysINDTGetDataByNo(hdbc, row, fid) != fid) return;
    InterfaceRow = row;
    applyBackground();
}

void DesignerBase::TreeView1_NodeClick(Node* node) {
    if (!node) return;
    const auto index = numericInt32(node->Tag());
    if (!index || *index < 1 || *index > ItemCount) return;
    const DesignItem& item = ItemTable[static_cast<std::size_t>(*index)];
    SelectItemControl(item.ControlKind, item.ArrayIndex);
}

}  // namespace zelk
