// The wizard's generate commands: the names they will store are checked first, then each
// interface is generated in a transaction of its own.

#include "component/zelkmodule.h"
#include "dataaccess/dravix.h"
#include "platform/prompts.h"
#include "wizard/frm_zelk_jmxd.h"

namespace zelk {

InterfaceEntries frm_zelk_jmxd::entries() const {
    return {TextBox1->text(), Text5->toPlainText(), Text7->text(), Text8->text(),
            checkValue(Check3)};
}

std::vector<ChosenField> frm_zelk_jmxd::chosenFields() const {
    std::vector<ChosenField> fields;
    for (int i = 1; i <= ListViewDsn->Count(); ++i) {
        const ListItem* row = ListViewDsn->Item(i);
        fields.push_back({row->SubItems(1), numericInt32(row->Tag()).value_or(0)});
    }
    return fields;
}

LayoutOptions frm_zelk_jmxd::layoutOptions() const {
    LayoutOptions options;
    if (Option2->isChecked()) options.style = WizardLayoutStyle::Flat;
    if (Option3->isChecked()) options.style = WizardLayoutStyle::Table;
    if (Option4->isChecked()) options.style = WizardLayoutStyle::Web;
    options.singleColumn = checkValue(Check1) == 1;
    options.autoSize = checkValue(Check2) == 1;
    return options;
}

std::int32_t frm_zelk_jmxd::SaveInterfaceDefinition(const QString& typeText) {
    return InsertWizardInterface(context(), entries(), typeText);
}

bool frm_zelk_jmxd::GenerateListEntryInterface() {
    return GenerateListInterface(context(), entries(), chosenFields(), WizardList::ListEntry);
}

bool frm_zelk_jmxd::GenerateBrowseListInterface() {
    return GenerateListInterface(context(), entries(), chosenFields(), WizardList::BrowseList);
}

bool frm_zelk_jmxd::GenerateItemEntryInterface() {
    return GenerateFormInterface(context(), entries(), chosenFields(), WizardForm::ItemEntry,
                                 layoutOptions());
}

bool frm_zelk_jmxd::GenerateItemSearchInterface() {
    NotPlacedFields.clear();
    const bool generated =
        GenerateFormInterface(context(), entries(), chosenFields(), WizardForm::ItemSearch,
                              layoutOptions(), &NotPlacedFields);
    if (!generated) NotPlacedFields.clear();
    // The done page names the sub-table fields the search form does not hold.
    Label12->setText(QStringLiteral("检索界面不能检索子表，以下栏目未放入检索界面：") +
                     NotPlacedFields.join(QStringLiteral("、")));
    Label12->setVisible(!NotPlacedFields.isEmpty());
    return generated;
}

bool frm_zelk_jmxd::namesAreFree(const QStringList& kindTexts) {
    const InterfaceEntries e = entries();
    for (const QString& kind : kindTexts) {
        const QString name = StoredInterfaceName(e, WizardKindCode(kind));
        if (InterfaceNameExists(name)) {
            MsgBox(QStringLiteral("界面名称为") + name + QStringLiteral("的界面已经存在！"),
                   vbInformation, QStringLiteral("系统提示"));
            return false;
        }
    }
    return true;
}

void frm_zelk_jmxd::showGenerationFailed() {
    MsgBox(QStringLiteral("不能保存界面数据，请检查数据选择项！"), vbInformation,
           QStringLiteral("系统提示"));
}

void frm_zelk_jmxd::Command1_Click() {
    const QString kind = ComboBox1->currentText();
    bool generated = false;
    if (kind == kKindListEntry) {
        if (!namesAreFree({kind})) return;
        generated = GenerateListEntryInterface();
    } else if (kind == kKindBrowseList) {
        if (!namesAreFree({kind})) return;
        generated = GenerateBrowseListInterface();
    } else {
        return;
    }
    if (generated) {
        ShowStep(4);
    } else {
        showGenerationFailed();
    }
}

void frm_zelk_jmxd::Command13_Click() {
    const QString kind = ComboBox1->currentText();
    if (kind == kKindItemEntry) {
        const bool companions = checkValue(Check3) == 1;
        if (!namesAreFree(companions ? QStringList{kind, kKindItemSearch, kKindBrowseList}
                                     : QStringList{kind}))
            return;
        if (!GenerateItemEntryInterface()) {
            showGenerationFailed();
            return;
        }
        // The entry form is committed: the wizard is done even when a companion failed.
        if (companions) {
            const bool search = GenerateItemSearchInterface();
            const bool browse = GenerateBrowseListInterface();
            if (!search || !browse) showGenerationFailed();
        }
        ShowStep(4);
    } else if (kind == kKindItemSearch) {
        if (!namesAreFree({kind})) return;
        if (!GenerateItemSearchInterface()) {
            showGenerationFailed();
            return;
        }
        ShowStep(4);
    }
}

void frm_zelk_jmxd::CopyTemplateInterface() {
    const ListItem* row = ListView1->SelectedItem();
    if (!row) return;
    const std::int32_t source = numericInt32(row->Tag()).value_or(0);
    if (ComboBox1->currentText() == kKindItemEntry &&
        row->SubItems(1) == QStringLiteral("录入条目界面") && source > 0) {
        const auto copyFailed = [] {
            MsgBox(QStringLiteral("数据读写错误：不能复制界面！"), vbInformation,
                   QStringLiteral("系统提示"));
        };
        if (odbc_BeginTrans(hdbc) < 0) return copyFailed();
        const std::int32_t number = SaveInterfaceDefinition(kKindItemEntry);
        if (number <= 0) {
            odbc_RollbackTrans(hdbc);
        } else if (sysISITCopyInterface(hdbc, source, number) < 0 || odbc_CommitTrans(hdbc) < 0) {
            // A refused commit has rolled back already.
            odbc_RollbackTrans(hdbc);
            return copyFailed();
        }
    }
    unload();
}

}  // namespace zelk
