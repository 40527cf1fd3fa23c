// The interface manager's interface list: the rebuild with the default rule, the flag writer,
// "设为默认界面", deleting an interface, the properties dialog and the list's menu.

#include "component/fixedfield.h"
#include "component/zelkmodule.h"
#include "dataaccess/dravix.h"
#include "management/frm_zelk_ljgl.h"
#include "platform/controls/olecolor.h"
#include "platform/errors.h"
#include "platform/prompts.h"
#include "rowchanges/transactions.h"

namespace zelk {

namespace {

const QString kSource = QStringLiteral("frm_zelk_ljgl");

void showFlagFailure() {
    MsgBox(QStringLiteral("界面标志修改错误！"), vbExclamation, QStringLiteral("错误"));
}

}  // namespace

bool frm_zelk_ljgl::selectedInterface(std::int32_t& number) const {
    const ListItem* item = lvw_IM->SelectedItem();
    return item && interfaceNumberOfKey(item->Key(), number);
}

void frm_zelk_ljgl::LoadInterfaceList() {
    TrapErrors(kSource + ".LoadInterfaceList", [&] {
        const ListItem* selected = lvw_IM->SelectedItem();
        const QString selectedKey = selected ? selected->Key() : QString();
        {
            const QSignalBlocker quiet(lvw_IM);
            lvw_IM->Clear();
        }
        const InterfaceListState state = ReadInterfaceList(
            context(), DefaultIDs,
            [this](std::int32_t number) { updateindt(number, QStringLiteral("aaaaa")); });

        const TemplatePanelState& panel = state.panel;
        Label1->setText(panel.title);
        Label2->setText(panel.note);
        QPalette palette = Label2->palette();
        palette.setColor(QPalette::WindowText, oleColorToQColor(panel.noteColor));
        Label2->setPalette(palette);
        Command1->setVisible(panel.createVisible);
        Command2->setVisible(panel.editVisible);
        Command2->setProperty("Tag", panel.templateTag);

        ListItem* keep = nullptr;
        {
            const QSignalBlocker quiet(lvw_IM);
            for (const InterfaceListRow& row : state.rows) {
                ListItem* item = lvw_IM->Add(0, row.key(), row.name, row.largeIcon, row.smallIcon);
                item->SetSubItems(1, row.description);
                item->SetSubItems(2, row.kindName);
                item->SetSubItems(3, row.owner);
                item->SetTag(row.kindField);
                item->SetForeColor(row.foreColor);
                if (row.key() == selectedKey) keep = item;
            }
            // The row shown before stays selected when it is still there.
            lvw_IM->SetSelectedItem(keep);
        }
        if (fitColumns_) lvw_IM->FitColumnsToContents();
        if (keep) {
            m_field_Click();
        } else {
            lvw_IT->Clear();
            ItemsInterface = 0;
            ItemsKindName.clear();
        }
        emit Hint(QStringLiteral("系统界面已经导入"));
    });
}

bool frm_zelk_ljgl::updateindt(std::int32_t id, const QString& flag) {
    if (WriteInterfaceFlag(hdbc_, id, flag) >= 0) return true;
    showFlagFailure();
    return false;
}

void frm_zelk_ljgl::mnu_default_Click() {
    if (!commandsAllowed()) return;
    std::int32_t number = 0;
    if (!selectedInterface(number)) return;
    INDTRecord row;
    if (sysINDTGetDataByNo(hdbc_, row, number) < 1) return;
    if (TrimFixedField(fieldText(row.id07)) != QStringLiteral("aaaaa")) return;
    const QString kind = TrimFixedField(fieldText(row.id05));
    for (int k = 1; k <= 4; ++k) {
        if (kind != QString::number(k) || number == DefaultIDs[k]) continue;
        if (!MakeDefaultInterface(hdbc_, number, k, DefaultIDs)) showFlagFailure();
        LoadInterfaceList();
        return;
    }
}

void frm_zelk_ljgl::DeleteINDT() {
    if (!commandsAllowed()) return;
    ListItem* item = lvw_IM->SelectedItem();
    if (!item) return;
    const int answer = MsgBox(QStringLiteral("此操作将删除选定用户界面，请按确认继续或取消操作"),
                              vbOKCancel | vbExclamation, QStringLiteral("系统确认"));
    if (answer != vbCancel) {
        std::int32_t number = 0;
        if (interfaceNumberOfKey(item->Key(), number)) {
            if (DeleteInterfaceData(context(), number, item->SubItems(2), DefaultIDs)) {
                const QSignalBlocker quiet(lvw_IM);
                lvw_IM->Remove(item);
                lvw_IM->SetSelectedItem(nullptr);
            } else {
                MsgBox(QStringLiteral("界面正在使用，请稍后再试!"), vbExclamation,
                       QStringLiteral("系统提示"));
            }
        }
    }
    lvw_IT->Clear();
    ItemsInterface = 0;
    LoadInterfaceList();
}

void frm_zelk_ljgl::UpdateInterfaceProperty() {
    std::int32_t number = 0;
    if (!selectedInterface(number)) return;
    ShowInterfaceProperty(number, !commandsAllowed());
}

void frm_zelk_ljgl::adoptEmptiedFlag(std::int32_t id) {
    INDTRecord row;
    if (sysINDTGetDataByNo(hdbc_, row, id) < 1) return;
    if (!HasDefaultFlag(row)) return;
    const auto kind = numericInt32(TrimFixedField(fieldText(row.id05)));
    if (!kind || *kind < 1 || *kind > 4 || DefaultIDs[*kind] == id) return;
    // The flag the user emptied makes this the default, as "设为默认界面" would.
    if (!MakeDefaultInterface(hdbc_, id, *kind, DefaultIDs)) showFlagFailure();
}

void frm_zelk_ljgl::lvw_IM_ItemClick(ListItem*) {
    m_field_Click();
}

bool frm_zelk_ljgl::PrepareInterfaceMenu() {
    const ListItem* item = lvw_IM->SelectedItem();
    if (!item) return false;
    const QString kind = item->SubItems(2);
    mnu_createreport->setVisible(kind == QStringLiteral("检索列表") ||
                                 kind == QStringLiteral("录入条目"));
    return true;
}

void frm_zelk_ljgl::lvw_IM_MouseUp(int button, int, double, double) {
    if (button != 2) return;
    if (PrepareInterfaceMenu()) showPopup(m_popmenu);
}

}  // namespace zelk
