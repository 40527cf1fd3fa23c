#pragma once
// The property dialog of sub-table items: the text-box dialog with most item settings hidden
// (their values pass through), the sub-table class shown, and two settings of its own.

#include "propdialogs/itempropertydialog.h"
#include "propdialogs/propertyvars.h"

namespace zelk {

class frm_ctable_prop : public ItemPropertyDialog, public ItemPropertyDialogVars {
    Q_OBJECT
  public:
    explicit frm_ctable_prop(QWidget* parent = nullptr);

    // 0 page display, 1 pop-up list, 2 both; OK gives -1 when the box's text is no entry.
    std::int16_t ExtraInfoEntryMode = 0;
    // 1 list entry, 0 none.
    std::int16_t ListEntryMode = 0;

    QCheckBox* Check10 = nullptr;    // "采用列表录入方式"
    QLabel* Label3 = nullptr;        // "附加信息录入方式"
    QComboBox* ComboBox2 = nullptr;  // editable; typed text never joins the list

  protected:
    void Form_Load() override;
};

}  // namespace zelk
