#pragma once
// "模板": composes the class template of the current class from the fields of the main table's
// system template. Create mode makes a new template; after its first save the dialog goes on in
// edit mode on the new number, so a second save rewrites it instead of making another.

#include <cstdint>

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "platform/controls/progressbar.h"
#include "platform/controls/reportview.h"
#include "platform/form.h"

namespace zelk {

class frm_zelk_flmb : public Form {
    Q_OBJECT
  public:
    explicit frm_zelk_flmb(QWidget* parent = nullptr);

    void init(std::int32_t hdbc, const QString& systemname, const QString& maintable,
              const QString& classname, std::int32_t templateId);
    bool CreateMode = false;
    // The template the dialog edits (0 until a create-mode save made one).
    std::int32_t TemplateId() const { return templateId_; }

    QGroupBox* Frame1 = nullptr;
    QLabel* Label1 = nullptr;
    QLineEdit* Text1 = nullptr;  // name
    QLabel* Label2 = nullptr;
    QLineEdit* Text2 = nullptr;  // description
    QLineEdit* txtID = nullptr;
    QGroupBox* Frame2 = nullptr;
    ReportView* SRCListView = nullptr;
    ReportView* DSNListView = nullptr;
    QPushButton* Command10 = nullptr;  // ">"
    QPushButton* Command11 = nullptr;  // ">>"
    QPushButton* Command12 = nullptr;  // "<"
    QPushButton* Command13 = nullptr;  // "<<"
    QPushButton* Command7 = nullptr;   // down
    QPushButton* Command8 = nullptr;   // up
    QCheckBox* Check1 = nullptr;       // "保存后自动退出"
    ProgressBar* prg1 = nullptr;
    QPushButton* Command1 = nullptr;  // "保存"
    QPushButton* Command2 = nullptr;  // "退出"

    void LoadTemplateFields(std::int32_t id);
    void LoadSystemTemplateFields();
    void MoveFieldToTemplate();
    void MoveAllFieldsToTemplate();
    void RemoveFieldFromTemplate();
    void RemoveAllFieldsFromTemplate();
    bool SaveTemplate();
    bool DeleteTemplateData(std::int32_t id);
    void Command1_Click();
    void Command2_Click();
    void Command7_Click();
    void Command8_Click();

  protected:
    void Form_Load() override;
    void Form_QueryUnload(int& cancel, int unloadMode) override;

  private:
    void setCommandsEnabled(bool on);
    std::int32_t hdbc_ = 0;
    QString systemName_;
    QString mainTable_;
    QString className_;
    std::int32_t templateId_ = 0;
    bool saving_ = false;
};

}  // namespace zelk
