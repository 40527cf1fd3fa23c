// The interface manager's item list: the items of the selected interface, the field menu and
// deleting an item.

#include "component/fixedfield.h"
#include "component/zelkmodule.h"
#include "dataaccess/dravix.h"
#include "management/frm_zelk_ljgl.h"
#include "platform/errors.h"
#include "platform/prompts.h"

namespace zelk {

namespace {

const QString kSource = QStringLiteral("frm_zelk_ljgl");

// The three columns of every loader; only the caption column is wide enough to see.
void itemColumns(ReportView* list, const QString& caption) {
    list->ClearColumns();
    list->AddColumn(QString(), caption, 3000);
    list->AddColumn(QString(), QStringLiteral("录入顺序"), 0);
    list->AddColumn(QString(), QStringLiteral("内部列名"), 0);
}

void addItemRow(ReportView* list, const QString& key, const QString& text, int icon,
                std::int32_t order, const QString& column) {
    ListItem* row = list->Add(0, key, text, icon, icon);
    row->SetSubItems(1, QString::number(order));
    row->SetSubItems(2, column);
}

}  // namespace

void frm_zelk_ljgl::LoadInterfaceItems(ListItem* item) {
    TrapErrors(kSource + ".LoadInterfaceItems", [&] {
        lvw_IT->Clear();
        ItemsInterface = 0;
        if (!item) return;
        const QString kindName = item->SubItems(2);
        const std::int16_t kind = GetInterfaceKindCode(kindName);
        std::int32_t number = 0;
        if (!interfaceNumberOfKey(item->Key(), number)) return;
        ItemsInterface = number;
        ItemsKindName = kindName;
        if (kind == 1 || kind == 5 || kind == 7)
            LoadISITItems(number);
        else if (kind == 2)
            LoadILITItems(number);
        else if (kind == 3)
            LoadIJSTItems(number);
        else if (kind == 4)
            LoadILSTItems(number);
        else if (kind == 8)
            ClearItemColumns();
        if (fitColumns_) lvw_IT->FitColumnsToContents();
        lvw_IT->SetTag(kindName);
    });
}

void frm_zelk_ljgl::ReloadInterfaceItems() {
    if (ItemsInterface == 0) return;
    const ListItem* selected = lvw_IT->SelectedItem();
    const QString key = selected ? selected->Key() : QString();
    const QString column = selected ? selected->SubItems(2) : QString();
    LoadInterfaceItems(lvw_IM->Item("record" + QString::number(ItemsInterface)));
    ListItem* keep = key.isEmpty() ? nullptr : lvw_IT->Item(key);
    for (int i = 1; !keep && !column.isEmpty() && i <= lvw_IT->Count(); ++i)
        if (lvw_IT->Item(i)->SubItems(2) == column) keep = lvw_IT->Item(i);
    if (keep) lvw_IT->SetSelectedItem(keep);
}

void frm_zelk_ljgl::LoadISITItems(std::int32_t fid) {
    itemColumns(lvw_IT, QStringLiteral("栏目名称"));
    const std::int32_t stmt = sysISITPrepareGetData(hdbc_, fid);
    ISITRecord row;
    while (stmt > 0 && sysISITGetRecord(stmt, row) > 0)
        addItemRow(lvw_IT, "ISIT" + QString::number(row.ii00), fieldText(row.ii03), 1, row.ii04,
                   TrimFixedField(fieldText(row.ii02)));
}

void frm_zelk_ljgl::LoadIJSTItems(std::int32_t fid) {
    itemColumns(lvw_IT, QStringLiteral("名称"));
    const std::int32_t stmt = sysIJSTPrepareGetData(hdbc_, fid);
    IJSTRecord row;
    while (stmt > 0 && sysIJSTGetRecord(stmt, row) > 0)
        addItemRow(lvw_IT, "IJST" + QString::number(row.is00), fieldText(row.is03), 1, row.is04,
                   fieldText(row.is02));
}

void frm_zelk_ljgl::LoadILITItems(std::int32_t fid) {
    itemColumns(lvw_IT, QStringLiteral("栏目名称"));
    const std::int32_t stmt = sysILITPrepareGetData(hdbc_, fid);
    ILITRecord row;
    while (sysILITGetRecord(stmt, row) > 0)
        addItemRow(lvw_IT, "ILIT" + QString::number(row.ii00), TrimFixedField(fieldText(row.ii03)),
                   2, row.ii04, TrimFixedField(fieldText(row.ii02)));
}

void frm_zelk_ljgl::LoadILSTItems(std::int32_t fid) {
    itemColumns(lvw_IT, QStringLiteral("栏目名称"));
    const std::int32_t stmt = sysILSTPrepareGetData(hdbc_, fid);
    ILSTRecord row;
    while (sysILSTGetRecord(stmt, row) > 0)
        addItemRow(lvw_IT, "ILST" + QString::number(row.is00), TrimFixedField(fieldText(row.is03)),
                   2, row.is04, TrimFixedField(fieldText(row.is02)));
}

void frm_zelk_ljgl::ClearItemColumns() {
    lvw_IT->ClearColumns();
    lvw_IT->AddColumn(QString(), QString());
}

void frm_zelk_ljgl::m_field_Click() {
    if (ListItem* item = lvw_IM->SelectedItem()) LoadInterfaceItems(item);
}

bool frm_zelk_ljgl::PrepareFieldMenu() {
    const ListItem* row = lvw_IT->SelectedItem();
    if (!row) return false;
    const QString column = TrimFixedField(row->SubItems(2));
    FieldRecord field;
    const bool found = sysFieldGetItem(hdbc_, mainTable_, column, field) > 0;
    if (!found && !row->SubItems(2).startsWith(QStringLiteral("ZDYBQ"))) return false;
    const auto flag = [&](const auto& member, const char* value) {
        return found && TrimFixedField(fieldText(member)) == QLatin1String(value);
    };
    mnu_AddField->setVisible(lvw_IM->Count() > 0);
    mnu_DelField->setVisible(true);
    // The kind of the interface the list shows, not of a row selected since.
    mnu_ChangeControlType->setVisible(lvw_IT->Count() > 0 &&
                                      (ItemsKindName == QStringLiteral("录入条目") ||
                                       ItemsKindName == QStringLiteral("检索条目")));
    mnu_type->setVisible(flag(field.m06, "2"));
    mnu_dp->setVisible(flag(field.m07, "1"));
    mnu_hint->setVisible(flag(field.m09, "1"));
    // A sub-table class belongs to an item-entry row only.
    m_tableclass->setVisible(flag(field.m16, "1") && subTableClassApplies(row->Key()));
    for (QAction* action : {mnu_type, mnu_dp, mnu_hint}) action->setData(column);
    return true;
}

void frm_zelk_ljgl::lvw_IT_MouseUp(int button, int, double, double) {
    if (button != 2) return;
    if (PrepareFieldMenu()) showPopup(m_popfield);
}

void frm_zelk_ljgl::DeleteSelectedFields() {
    if (!commandsAllowed()) return;
    ListItem* row = lvw_IT->SelectedItem();
    if (!row || ItemsInterface == 0) return;
    // The table comes from the row's own key and the interface from what the list shows, so a
    // selection changed since cannot send the delete elsewhere.
    switch (DeleteInterfaceItem(hdbc_, ItemsInterface, row->Key())) {
        case ItemDeleteResult::Deleted:
            lvw_IT->Remove(row);
            break;
        case ItemDeleteResult::Missing:
            itemRowMissing();
            break;
        case ItemDeleteResult::Failed:
            MsgBox(QStringLiteral("不能删除该栏目!"), vbExclamation, QStringLiteral("提示"));
            break;
    }
}

void frm_zelk_ljgl::itemRowMissing() {
    MsgBox(QStringLiteral("该栏目已不存在，可能已被其他用户修改，栏目列表将重新读取！"),
           vbExclamation, QStringLiteral("提示"));
    ReloadInterfaceItems();
}

}  // namespace zelk
