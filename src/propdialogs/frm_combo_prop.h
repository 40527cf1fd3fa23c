#pragma once
// The property dialog of drop-down items: the text-box dialog with the data-selection mode
// (0 the drop-down accepts typed text, 2 choice from its list only).

#include "propdialogs/itempropertydialog.h"
#include "propdialogs/propertyvars.h"

namespace zelk {

class frm_combo_prop : public ItemPropertyDialog, public ItemPropertyDialogVars {
    Q_OBJECT
  public:
    explicit frm_combo_prop(QWidget* parent = nullptr);

    // 0 shows combination mode, any other value list mode; OK gives 0 or 2.
    std::int32_t DataSelectMode = 0;

    QLabel* Label3 = nullptr;        // "数据选择"
    QComboBox* ComboBox2 = nullptr;  // select-only, two entries

  protected:
    void Form_Load() override;
};

}  // namespace zelk
