#pragma once
// The public variables of the item property dialogs. Cancelled belongs to every dialog's frame
// (ItemPropertyDialog). Colours are 32-bit colour values, TextAlign 1 left, 2 centre, 3 right.
// A dialog's set is built from the parts below plus the few variables of its own.

#include <QString>
#include <cstdint>

namespace zelk {

// An item's own and data-page variables: every dialog's but the label's.
struct PropertyItemVars {
    QString ItemName;
    QString Format;
    QString DefaultValue;
    QString HintText;
    // As wide as the stored column: a stored order above 32767 shows and comes back as it is.
    std::int32_t EntryOrder = 0;
    QString BoundColumn;
    QString DataFormat;
    QString MaxLength;
};

// The state boxes, colours, font, alignment and border: every dialog has them.
struct PropertyLookVars {
    bool Visible = false;
    bool Enabled = false;
    bool ReadOnly = false;
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
    std::int32_t BorderStyle = 0;
    bool AutoSize = false;
};

// The text-box dialog's set, shared by the list-box, memo, drop-down and sub-table dialogs.
struct ItemPropertyDialogVars : PropertyItemVars, PropertyLookVars {
    bool AutoTab = false;
    std::int16_t SpecialEffect = 0;
    bool ApplyToSameKind = false;
    QString ChildTableClass;
    bool AutoWordSelect = false;
};

}  // namespace zelk
