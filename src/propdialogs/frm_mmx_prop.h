#pragma once
// The property dialog of multimedia items: the text-box dialog without an apply box, with the
// postil conversion on Check4 and the two media display flags, the second shown only while the
// first is ticked.

#include "propdialogs/itempropertydialog.h"

namespace zelk {

struct MmxPropertyVars {
    QString ItemName;
    QString Format;
    QString DefaultValue;
    QString HintText;
    std::int16_t EntryOrder = 0;
    bool Visible = false;
    bool Enabled = false;
    bool ReadOnly = false;
    bool AutoConvertToPostil = false;  // convert to a postil file when the form is saved
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
    std::int16_t SpecialEffect = 0;
    std::int32_t BorderStyle = 0;
    bool AutoSize = false;
    QString BoundColumn;
    QString ChildTableClass;
    QString DataFormat;
    QString MaxLength;
    bool AutoWordSelect = false;
    bool ShowMediaInline = false;
    bool ShowPictureDirect = false;
};

class frm_mmx_prop : public ItemPropertyDialog, public MmxPropertyVars {
    Q_OBJECT
  public:
    explicit frm_mmx_prop(QWidget* parent = nullptr);

    QCheckBox* Check10 = nullptr;  // "直接显示图片"

    // Runs on every change of Check9, by the user or by LoadAllProperties.
    void Check9_Click();
};

}  // namespace zelk
