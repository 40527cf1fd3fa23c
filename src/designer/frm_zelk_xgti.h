#pragma once
// "修改提示": asked before an item-entry interface is saved, whether the class's item-search
// form and browse list are regenerated from it as well. It always opens with nothing chosen;
// cancelling or closing it chooses nothing. The designer's own interface is saved either way.

#include <QCheckBox>
#include <QGroupBox>
#include <QPushButton>

#include "platform/form.h"

namespace zelk {

class frm_zelk_xgti : public Form {
    Q_OBJECT
  public:
    explicit frm_zelk_xgti(QWidget* parent = nullptr);

    QGroupBox* Frame1 = nullptr;
    QCheckBox* Check1 = nullptr;  // "检索界面"
    QCheckBox* Check2 = nullptr;  // "浏览界面"
    QPushButton* OKButton = nullptr;
    QPushButton* CancelButton = nullptr;

    bool SyncSearch = false;
    bool SyncBrowse = false;

    void OKButton_Click();
    void CancelButton_Click();

  protected:
    void Form_Load() override;
};

}  // namespace zelk
