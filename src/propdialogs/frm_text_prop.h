#pragma once
// The property dialog of single-line text-box items: the frame as it stands.

#include "propdialogs/itempropertydialog.h"
#include "propdialogs/propertyvars.h"

namespace zelk {

class frm_text_prop : public ItemPropertyDialog, public ItemPropertyDialogVars {
    Q_OBJECT
  public:
    explicit frm_text_prop(QWidget* parent = nullptr);
};

}  // namespace zelk
