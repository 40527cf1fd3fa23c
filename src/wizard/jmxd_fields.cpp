// The wizard's template list and its two field lists.

#include "component/zelkmodule.h"
#include "platform/controls/reportrows.h"
#include "wizard/frm_zelk_jmxd.h"
#include "wizard/templates.h"

namespace zelk {

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

void frm_zelk_jmxd::SelectOneField() {
    moveSelectedReportRow(*ListViewSrc, *ListViewDsn);
}

void frm_zelk_jmxd::RemoveOneField() {
    moveSelectedReportRow(*ListViewDsn, *ListViewSrc);
}

void frm_zelk_jmxd::SelectAllFields() {
    moveAllReportRows(*ListViewSrc, *ListViewDsn);
}

void frm_zelk_jmxd::RemoveAllFields() {
    moveAllReportRows(*ListViewDsn, *ListViewSrc);
}

void frm_zelk_jmxd::Command8_Click() {
    swapSelectedReportRow(*ListViewDsn, -1);
}

void frm_zelk_jmxd::Command7_Click() {
    swapSelectedReportRow(*ListViewDsn, 1);
}

}  // namespace zelk
