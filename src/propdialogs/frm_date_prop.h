#pragma once
// The property dialog of date items: the text-box dialog whose format is picked from four date
// formats and whose effect list is the date box's appearance (flat or three-dimensional).

#include "propdialogs/itempropertydialog.h"

namespace zelk {

struct DatePropertyVars {
    QString ItemName;
    QString Format;
    QString DefaultValue;
    QString HintText;
    std::int16_t EntryOrder = 0;
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
    std::int32_t BackStyle = 0;
    std::int16_t Appearance = 0;  // 0 flat, 1 three-dimensional
    std::int32_t BorderStyle = 0;
    bool AutoSize = false;
    bool ApplyToSameKind = false;
    QString BoundColumn;
    QString ChildTableClass;
    QString DataFormat;
    QString MaxLength;
    bool AutoWordSelect = false;
};

class frm_date_prop : public ItemPropertyDialog, public DatePropertyVars {
    Q_OBJECT
  public:
    explicit frm_date_prop(QWidget* parent = nullptr);

    QComboBox* Combo1 = nullptr;  // the appearance, "0-平面效果" or "1-立体效果"
};

}  // namespace zelk
