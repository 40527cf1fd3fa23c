#pragma once
// "调整栏目": the column pickers. The user chooses which fields of the class template become the
// columns of one list interface and in which order; a save replaces the interface's column rows.
// frm_zelk_ilit (list entry, ILIT rows) and frm_zelk_ilst (browse list, ILST rows) are this one
// window over their column table.

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <cstdint>
#include <memory>
#include <vector>

#include "listdesigner/listcolumns.h"
#include "platform/controlarray.h"
#include "platform/controls/progressbar.h"
#include "platform/controls/reportview.h"
#include "platform/form.h"

namespace zelk {

class ColumnPicker : public Form {
    Q_OBJECT
  public:
    ColumnPicker(ListTable table, QWidget* parent);

    void init(std::int32_t hdbc, const QString& systemName, const QString& mainTable,
              const QString& className, std::int32_t interfaceNumber);
    void LoadInterfaceColumns(std::int32_t interfaceNumber);
    void LoadTemplateFields();
    void MoveColumnToInterface();
    void MoveAllColumnsToInterface();
    void RemoveColumnFromInterface();
    void RemoveAllColumnsFromInterface();
    bool SaveColumns();
    bool DeleteInterfaceData(std::int32_t interfaceNumber);

    void SRCListView_DblClick() { MoveColumnToInterface(); }
    void DSNListView_DblClick() { RemoveColumnFromInterface(); }
    void Command10_Click() { MoveColumnToInterface(); }
    void Command11_Click() { MoveAllColumnsToInterface(); }
    void Command12_Click() { RemoveColumnFromInterface(); }
    void Command13_Click() { RemoveAllColumnsFromInterface(); }
    void Command8_Click();  // up
    void Command7_Click();  // down
    void Command1_Click();  // save
    void Command2_Click();  // leave

    // The rows of a list as the save takes them, top to bottom.
    static std::vector<PickerRow> rowsOf(const ReportView& list);

    QWidget* picMsg = nullptr;
    QLabel* Image1 = nullptr;
    QLabel* lblMsg = nullptr;
    QGroupBox* Frame2 = nullptr;
    std::unique_ptr<ControlArray<QLabel>> Label;
    ReportView* SRCListView = nullptr;
    ReportView* DSNListView = nullptr;
    QPushButton* Command10 = nullptr;
    QPushButton* Command11 = nullptr;
    QPushButton* Command12 = nullptr;
    QPushButton* Command13 = nullptr;
    QPushButton* Command8 = nullptr;
    QPushButton* Command7 = nullptr;
    ProgressBar* prg1 = nullptr;
    QPushButton* Command1 = nullptr;
    QPushButton* Command2 = nullptr;

    std::int32_t hdbc = 0;
    QString SystemName;
    QString MainTable;
    QString ClassName;
    std::int32_t InterfaceNumber = 0;

  protected:
    void Form_Load() override;

  private:
    void layoutControls();
    void connectHandlers();
    static void append(ReportView& list, const PickerRow& row);

    ListTable table_;
};

class frm_zelk_ilit : public ColumnPicker {
    Q_OBJECT
  public:
    explicit frm_zelk_ilit(QWidget* parent = nullptr) : ColumnPicker(ListTable::ILIT, parent) {}
};

class frm_zelk_ilst : public ColumnPicker {
    Q_OBJECT
  public:
    explicit frm_zelk_ilst(QWidget* parent = nullptr) : ColumnPicker(ListTable::ILST, parent) {}
};

}  // namespace zelk
