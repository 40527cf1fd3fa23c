#pragma once
// The property dialog of postil items (hand-written approval boxes).

#include "propdialogs/approvalpropertydialog.h"

namespace zelk {

class frm_postil_prop : public ApprovalPropertyDialog {
    Q_OBJECT
  public:
    explicit frm_postil_prop(QWidget* parent = nullptr);

    // Page 6's labels: 0 the step's caption, 1 the note.
    ControlArray<QLabel> Label3;
};

}  // namespace zelk
