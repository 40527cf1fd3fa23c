#pragma once
// The property dialog of labels (free labels and items' caption labels): a label's own short
// set of variables, four pages, the toolbar's second group for the vertical alignment, and its
// own apply box Check6.

#include "propdialogs/itempropertydialog.h"

namespace zelk {

struct LabelPropertyVars {
    QString Caption;
    bool Visible = false;
    bool Enabled = false;
    bool ReadOnly = false;
    bool AutoTab = false;
    std::int32_t ForeColor = 0;
    std::int32_t BackColor = 0;
    std::int32_t BorderColor = 0;
    QString FontName;
    std::int32_t FontSize = 0;
    bool FontBold = false;
    bool FontItalic = false;
    bool FontUnderline = false;
    std::int32_t TextAlign = 0;
    std::int16_t VerticalAlign = 0;  // 0 top, 1 middle, 2 bottom
    std::int32_t BackStyle = 0;
    std::int16_t SpecialEffect = 0;
    std::int32_t BorderStyle = 0;
    bool AutoSize = false;
    bool ApplyToSameKind = false;
};

class frm_label_prop : public ItemPropertyDialog, public LabelPropertyVars {
    Q_OBJECT
  public:
    explicit frm_label_prop(QWidget* parent = nullptr);

    QLabel* Label3 = nullptr;  // "标签", the caption of Text1(0)
};

}  // namespace zelk
