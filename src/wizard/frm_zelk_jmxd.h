#pragma once
// "用户界面向导": a new interface of one of the four kinds for the current class, in five steps
// (definition data, template, fields, layout style, done), from the fields of a class template.
// The window writes only through its generators, each interface in a transaction of its own.

#include <cstdint>
#include <vector>

#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QString>

#include "platform/controlarray.h"
#include "platform/controls/imagelist.h"
#include "platform/controls/reportview.h"
#include "platform/form.h"
#include "wizard/generation.h"

namespace zelk {

class frm_zelk_jmxd : public Form {
    Q_OBJECT
  public:
    explicit frm_zelk_jmxd(QWidget* parent = nullptr);

    void init(std::int32_t hdbc, const QString& systemname, const QString& maintable,
              const QString& classname, const QString& username);
    void FillTypeCombo();
    void ShowStep(std::int16_t step);
    void ShowStepHint(std::int16_t step);
    bool InterfaceNameExists(const QString& name);

    // Templates and fields.
    void LoadTemplateList();
    void LoadTemplateFields(std::int32_t templateNumber);
    void SelectOneField();
    void SelectAllFields();
    void RemoveOneField();
    void RemoveAllFields();

    // The new interface row inside the caller's transaction (number, or 0 / -1 on failure), a
    // copy of a chosen template interface, and the generators (true when committed).
    std::int32_t SaveInterfaceDefinition(const QString& typeText);
    void CopyTemplateInterface();
    bool GenerateListEntryInterface();
    bool GenerateBrowseListInterface();
    bool GenerateItemEntryInterface();
    bool GenerateItemSearchInterface();

    // Handlers.
    void Command9_Click();
    void Command10_Click();
    void CommandButton5_Click();
    void CommandButton6_Click();
    void Command15_Click();
    void Command2_Click() { SelectOneField(); }
    void Command3_Click() { SelectAllFields(); }
    void Command5_Click() { RemoveOneField(); }
    void Command6_Click() { RemoveAllFields(); }
    void Command8_Click();
    void Command7_Click();
    void Command17_Click();
    void Command16_Click();
    void Command1_Click();
    void Command18_Click();
    void Command12_Click();
    void Command13_Click();
    void Command14_Click();
    void Command11_Click();
    void ListViewSrc_DblClick() { SelectOneField(); }
    void ListViewDsn_DblClick() { RemoveOneField(); }
    void TextBox1_GotFocus();

    // Header band.
    QFrame* HeaderBand = nullptr;
    QLabel* Image1 = nullptr;  // the tip picture
    QLabel* Label6 = nullptr;
    // The five pages.
    ControlArray<QFrame> Frame1;
    // Step 0: definition data.
    QLineEdit* Text3 = nullptr;
    QComboBox* ComboBox1 = nullptr;
    QLineEdit* TextBox1 = nullptr;
    QPlainTextEdit* Text5 = nullptr;
    QLineEdit* Text7 = nullptr;
    QLineEdit* Text8 = nullptr;
    QPushButton* Command9 = nullptr;
    QPushButton* Command10 = nullptr;
    // Step 1: template.
    QLabel* Label9 = nullptr;
    ReportView* ListView1 = nullptr;
    QPushButton* CommandButton5 = nullptr;
    QPushButton* CommandButton6 = nullptr;
    QPushButton* Command15 = nullptr;
    QLabel* Label11 = nullptr;  // why "下一步" is disabled: no class template
    // Step 2: fields.
    ReportView* ListViewSrc = nullptr;
    ReportView* ListViewDsn = nullptr;
    QPushButton* Command2 = nullptr;
    QPushButton* Command3 = nullptr;
    QPushButton* Command5 = nullptr;
    QPushButton* Command6 = nullptr;
    QPushButton* Command8 = nullptr;
    QPushButton* Command7 = nullptr;
    QPushButton* Command17 = nullptr;
    QPushButton* Command16 = nullptr;
    QPushButton* Command1 = nullptr;
    QPushButton* Command18 = nullptr;
    // Step 3: layout style.
    QGroupBox* Frame2 = nullptr;  // "界面整体效果"
    QRadioButton* Option1 = nullptr;
    QRadioButton* Option2 = nullptr;
    QRadioButton* Option3 = nullptr;
    QRadioButton* Option4 = nullptr;
    QCheckBox* Check1 = nullptr;
    QCheckBox* Check2 = nullptr;
    QCheckBox* Check3 = nullptr;
    QPushButton* Command12 = nullptr;
    QPushButton* Command13 = nullptr;
    QPushButton* Command14 = nullptr;
    // Step 4: done.
    QLabel* Label10 = nullptr;
    QLabel* Label12 = nullptr;  // the fields the search form could not take
    QPushButton* Command11 = nullptr;

    ImageList ImageList1;

    // Captions of the chosen fields the last search-form generation left off (sub-tables).
    QStringList NotPlacedFields;

    // The context init keeps for the window's lifetime.
    std::int32_t hdbc = 0;
    QString SystemName;
    QString MainTable;
    QString ClassName;
    QString UserName;

  protected:
    void Form_Load() override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void buildPages();
    void connectHandlers();
    // 1 ticked, 2 greyed, 0 clear, as a check box's value reads.
    static int checkValue(const QCheckBox* box);
    bool isItemKind() const;
    InterfaceEntries entries() const;
    std::vector<ChosenField> chosenFields() const;
    LayoutOptions layoutOptions() const;
    // False, after telling the user, when a name the kinds would store is already in use.
    bool namesAreFree(const QStringList& kindTexts);
    void showGenerationFailed();
    WizardContext context() const { return {hdbc, SystemName, MainTable, ClassName}; }
};

}  // namespace zelk
