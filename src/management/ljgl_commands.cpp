// The interface manager's field, template, report and settings commands: each handler hands the
// current selection to its command routine and reloads what the routine changed.

#include "management/frm_zelk_ljgl.h"

namespace zelk {

ManagerCommandContext frm_zelk_ljgl::commandContext() {
    ManagerCommandContext c;
    c.hdbc = hdbc_;
    c.systemName = systemName_;
    c.mainTable = mainTable_;
    c.className = className_;
    c.userName = userName_;
    c.allowed = commandsAllowed();
    c.owner = this;
    c.needHelp = relayHelp();
    return c;
}

QString frm_zelk_ljgl::selectedKey(const ReportView* list) {
    const ListItem* row = list->SelectedItem();
    return row ? row->Key() : QString();
}

void frm_zelk_ljgl::mnu_AddField_Click() {
    ListItem* row = lvw_IM->SelectedItem();
    if (row && AddFieldCommand(commandContext(), row->Key(), row->SubItems(2)))
        LoadInterfaceItems(row);
}

// Neither list shows what these two change: the list is read again only when the row was gone.
void frm_zelk_ljgl::mnu_ChangeControlType_Click() {
    if (ChangeControlTypeCommand(commandContext(), selectedKey(lvw_IT)) ==
        FieldCommandResult::Missing)
        itemRowMissing();
}

void frm_zelk_ljgl::m_tableclass_Click() {
    if (SubTableClassCommand(commandContext(), selectedKey(lvw_IT)) == FieldCommandResult::Missing)
        itemRowMissing();
}

void frm_zelk_ljgl::Command1_Click() {
    if (CreateTemplateCommand(commandContext())) LoadInterfaceList();
}

void frm_zelk_ljgl::Command2_Click() {
    if (EditTemplateCommand(commandContext(), Command2->property("Tag").toString(), Label1->text(),
                            Label2->text()))
        LoadInterfaceList();
}

void frm_zelk_ljgl::mnu_DelFLMB_Click() {
    if (DeleteTemplateCommand(commandContext(), Command2->property("Tag").toString(),
                              lvw_IM->Count()))
        ChangeClassname(className_);
}

void frm_zelk_ljgl::mnu_createreport_Click() {
    const ListItem* row = lvw_IM->SelectedItem();
    if (row)
        CreateReportCommand(commandContext(), ReportPath, row->Key(), row->Text(),
                            row->SubItems(2));
}

void frm_zelk_ljgl::mnu_dp_Click() {
    ArrangementSettingsCommand(commandContext(), mnu_dp->data().toString());
}

void frm_zelk_ljgl::mnu_hint_Click() {
    HintSettingsCommand(commandContext(), mnu_hint->data().toString());
}

}  // namespace zelk
