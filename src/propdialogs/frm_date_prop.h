#pragma once
// The property dialog of date items: the text-box dialog whose format is picked from four date
// formats and whose effect list is the date box's appearance (flat or three-dimensional).

#include "propdialogs/itempropertydialog.h"
#include "propdialogs/propertyvars.h"

namespace zelk {

struct DatePropertyVars : PropertyItemVars, PropertyLookVars {
    bool AutoTab = false;
    std::int16_t Appearance = 0;  // 0 flat, 1 three-dimensional
    bool ApplyToSameKind = false;
    QString ChildTableClass;
    bool AutoWordSelect = false;
};

class frm_date_prop : public ItemPropertyDialog, public DatePropertyVars {
    Q_OBJECT
  public:
    explicit frm_date_prop(QWidget* parent = nullptr);

    QComboBox* Combo1 = nullptr;  // the appearance, "0-平面效果" or "1-立体效果"
};

}  // namespace zelk
