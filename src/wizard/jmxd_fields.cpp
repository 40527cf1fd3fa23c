// The wizard's template list and its two field lists.

#include "component/zelkmodule.h"
#include "wizard/frm_zelk_jmxd.h"
#include "wizard/templates.h"

namespace zelk {

namespace {
// Temporary keys of two rows whose contents change places.
const QString kSwapKeyA = QStringLiteral("xxxxxxxxxxxx");
const QString kSwapKeyB = QStringLiteral("ccccccccc");
}  // namespace

void frm_zelk_jmxd::LoadTemplateList() {
    ListView1->Clear();
    for (const TemplateRow& t : CollectTemplates(context())) {
        ListItem* row =
            ListView1->Add(0, QStringLiteral("record") + QString::number(t.number), t.name, 1, 1);
        row->SetSubItems(1, QStringLiteral("子系统分类模板"));
        row->SetSubItems(2, t.description);
        row->SetTag(QString::number(t.number));
    }
}

void frm_zelk_jmxd::LoadTemplateFields(std::int32_t templateNumber) {
    const QString loaded = ListViewSrc->Tag();
    if (isNumeric(loaded)) {
        // The same template again keeps the user's choice.
        if (numericInt32(loaded) == templateNumber) return;
        ListViewSrc->Clear();
        ListViewDsn->Clear();
    }
    ListViewSrc->SetTag(QString::number(templateNumber));
    std::vector<TemplateField> fields;
    if (!CollectTemplateFields(context(), templateNumber, fields)) return;
    for (const TemplateField& f : fields) {
        ListItem* row = ListViewSrc->Add(
            0, QStringLiteral("reocrd") + QString::number(f.itemNumber), f.caption);
        row->SetSubItems(1, f.column);
        row->SetTag(QString::number(f.itemNumber));
    }
}

void frm_zelk_jmxd::moveRow(ReportView& from, ReportView& to, ListItem* row) {
    const QString key = row->Key();
    const QString text = row->Text();
    const QString column = row->SubItems(1);
    const QString tag = row->Tag();
    const int icon = row->Icon();
    const int smallIcon = row->SmallIcon();
    from.Remove(row);  // first, so that the key is free in either list
    ListItem* copy = to.Add(0, key, text, icon, smallIcon);
    copy->SetSubItems(1, column);
    copy->SetTag(tag);
}

void frm_zelk_jmxd::SelectOneField() {
    if (ListItem* row = ListViewSrc->Count() > 0 ? ListViewSrc->SelectedItem() : nullptr)
        moveRow(*ListViewSrc, *ListViewDsn, row);
}

void frm_zelk_jmxd::RemoveOneField() {
    if (ListItem* row = ListViewDsn->Count() > 0 ? ListViewDsn->SelectedItem() : nullptr)
        moveRow(*ListViewDsn, *ListViewSrc, row);
}

void frm_zelk_jmxd::SelectAllFields() {
    while (ListViewSrc->Count() > 0) moveRow(*ListViewSrc, *ListViewDsn, ListViewSrc->Item(1));
}

void frm_zelk_jmxd::RemoveAllFields() {
    while (ListViewDsn->Count() > 0) moveRow(*ListViewDsn, *ListViewSrc, ListViewDsn->Item(1));
}

void frm_zelk_jmxd::swapChosenRows(int i, int j) {
    ListItem* a = ListViewDsn->Item(i);
    ListItem* b = ListViewDsn->Item(j);
    const QString keyA = a->Key(), textA = a->Text(), columnA = a->SubItems(1), tagA = a->Tag();
    const QString keyB = b->Key(), textB = b->Text(), columnB = b->SubItems(1), tagB = b->Tag();
    a->SetKey(kSwapKeyA);
    b->SetKey(kSwapKeyB);
    b->SetKey(keyA);
    b->SetText(textA);
    b->SetSubItems(1, columnA);
    b->SetTag(tagA);
    a->SetKey(keyB);
    a->SetText(textB);
    a->SetSubItems(1, columnB);
    a->SetTag(tagB);
    ListViewDsn->SetSelectedItem(b);
}

void frm_zelk_jmxd::Command8_Click() {
    const ListItem* row = ListViewDsn->Count() > 0 ? ListViewDsn->SelectedItem() : nullptr;
    if (row && row->Index() > 1) swapChosenRows(row->Index(), row->Index() - 1);
}

void frm_zelk_jmxd::Command7_Click() {
    const ListItem* row = ListViewDsn->Count() > 0 ? ListViewDsn->SelectedItem() : nullptr;
    if (row && row->Index() < ListViewDsn->Count()) swapChosenRows(row->Index(), row->Index() + 1);
}

}  // namespace zelk
