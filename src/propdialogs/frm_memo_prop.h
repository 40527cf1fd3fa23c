#pragma once
// The property dialog of multi-line text items: the text-box dialog with its own banner, captions
// and size.

#include "propdialogs/itempropertydialog.h"
#include "propdialogs/propertyvars.h"

namespace zelk {

class frm_memo_prop : public ItemPropertyDialog, public ItemPropertyDialogVars {
    Q_OBJECT
  public:
    explicit frm_memo_prop(QWidget* parent = nullptr);
};

}  // namespace zelk
