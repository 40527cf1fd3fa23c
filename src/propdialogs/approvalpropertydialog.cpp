#include "propdialogs/approvalpropertydialog.h"

#include "component/zelkmodule.h"
#include "propdialogs/approvalsteps.h"

namespace zelk {

ApprovalPropertyDialog::ApprovalPropertyDialog(const PropertyDialogDesign& design, QWidget* parent)
    : ItemPropertyDialog(design, parent), Combo1(new QComboBox(this)) {
    Combo1->setObjectName(QStringLiteral("Combo1"));
    Combo1->setEditable(true);
    Combo1->setInsertPolicy(QComboBox::NoInsert);
    Combo1->setEditText(QStringLiteral("Combo1"));
}

void ApprovalPropertyDialog::finishApprovalPage(QLabel* stepCaption, QLabel* note) {
    stepCaption->setText(QStringLiteral("审批环节名称"));
    note->setText(
        QStringLiteral("    设置审批环节字段，说明该字段用于审批的办理环节。选中单用户办理窗口"
                       "表示该办理窗口只能由单一用户填写办理信息。"));
    note->setWordWrap(true);
    note->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    applyDesign();
    PropertyRows rows = framePropertyRows(*this);
    insertRowAfter(rows, QStringLiteral("BoundColumn"),
                   comboTextRow("ApprovalStepName", ApprovalStepName, Combo1));
    setRows(std::move(rows));
}

void ApprovalPropertyDialog::Form_Load() {
    ItemPropertyDialog::Form_Load();
    GetHj();
}

void ApprovalPropertyDialog::GetHj() {
    fillApprovalSteps(*Combo1, hdbc, fid, gSystemName);
}

}  // namespace zelk
