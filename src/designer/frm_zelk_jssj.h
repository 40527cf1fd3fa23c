#pragma once
// The item-search designer: designs an item-search form, whose items are IJST rows.

#include "designer/itemdesigner.h"

namespace zelk {

class frm_zelk_jssj : public ItemDesigner<IJSTRecord> {
  public:
    explicit frm_zelk_jssj(QWidget* parent = nullptr);

    // Stores the interface and its items in one transaction; reports a failure itself.
    void SaveInterface();
};

}  // namespace zelk
