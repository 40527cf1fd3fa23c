#pragma once
// The property dialog of check-box items.

#include "propdialogs/approvalpropertydialog.h"

namespace zelk {

class frm_check_prop : public ApprovalPropertyDialog {
    Q_OBJECT
  public:
    explicit frm_check_prop(QWidget* parent = nullptr);

    // The caption labels are the array "label1" in this dialog.
    ControlArray<QLabel>& label1 = Label1;
    QLabel* Label3 = nullptr;  // page 6's note
};

}  // namespace zelk
