#pragma once
// The property dialog of multimedia items: the text-box dialog without an apply box, with the
// postil conversion on Check4 and the two media display flags, the second shown only while the
// first is ticked.

#include "propdialogs/itempropertydialog.h"
#include "propdialogs/propertyvars.h"

namespace zelk {

struct MmxPropertyVars : PropertyItemVars, PropertyLookVars {
    bool AutoConvertToPostil = false;  // convert to a postil file when the form is saved
    std::int16_t SpecialEffect = 0;
    QString ChildTableClass;
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
