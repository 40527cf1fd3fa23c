#pragma once
// The property dialog of labels (free labels and items' caption labels): a label's own short
// set of variables, four pages, the toolbar's second group for the vertical alignment, and its
// own apply box Check6.

#include "propdialogs/itempropertydialog.h"
#include "propdialogs/propertyvars.h"

namespace zelk {

struct LabelPropertyVars : PropertyLookVars {
    QString Caption;
    bool AutoTab = false;
    std::int16_t VerticalAlign = 0;  // 0 top, 1 middle, 2 bottom
    std::int16_t SpecialEffect = 0;
    bool ApplyToSameKind = false;
};

class frm_label_prop : public ItemPropertyDialog, public LabelPropertyVars {
    Q_OBJECT
  public:
    explicit frm_label_prop(QWidget* parent = nullptr);

    QLabel* Label3 = nullptr;  // "标签", the caption of Text1(0)
};

}  // namespace zelk
