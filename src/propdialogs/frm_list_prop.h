#pragma once
// The property dialog of list-box items: the text-box dialog with its own banner, narrower.

#include "propdialogs/itempropertydialog.h"
#include "propdialogs/propertyvars.h"

namespace zelk {

class frm_list_prop : public ItemPropertyDialog, public ItemPropertyDialogVars {
    Q_OBJECT
  public:
    explicit frm_list_prop(QWidget* parent = nullptr);
};

}  // namespace zelk
