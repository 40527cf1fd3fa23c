#pragma once
// The wizard's automatic form layout and the rules it applies to each chosen field: the control
// kind the field's definition asks for, the control width of the single-column auto-size mode,
// the grid of the four styles and the flag strings. Pure functions: the generators store what
// these give.

#include <cstdint>
#include <optional>
#include <vector>

#include <QString>

#include "component/records.h"

namespace zelk {

// The styles of the layout step, Option1 to Option4.
enum class WizardLayoutStyle { Typical = 1, Flat = 2, Table = 3, Web = 4 };

// The two forms the wizard lays out: item entry (ISIT) and item search (IJST).
enum class WizardForm { ItemEntry, ItemSearch };

struct TwipsRect {
    std::int32_t left = 0, top = 0, right = 0, bottom = 0;
    friend bool operator==(const TwipsRect&, const TwipsRect&) = default;
};

// Caption label and control of one laid-out item.
struct ItemPlace {
    TwipsRect label;
    TwipsRect control;
    friend bool operator==(const ItemPlace&, const ItemPlace&) = default;
};

struct LayoutOptions {
    WizardLayoutStyle style = WizardLayoutStyle::Typical;
    bool singleColumn = false;  // Check1
    bool autoSize = false;      // Check2: single column only
};

// One item to place: its grid position (from 1) and its control width W.
struct GridSlot {
    std::int32_t position = 1;
    std::int32_t width = 3000;
};

// Places the items in the order given (positions ascending). Two columns: odd positions go into
// column 1, even ones into column 2; one column: every position into column 1. An item goes one
// row pitch below the item last placed in its column, or into row 1 when its column holds none
// yet, so a column closes up over positions left empty.
std::vector<ItemPlace> LayoutItems(const LayoutOptions& options,
                                   const std::vector<GridSlot>& gridSlots);

// The control width W of a field whose length text is `lengthText`: 3000 when it is no number,
// else 100 per character, kept within 1200 to 6000. The entry form rounds the length before it
// multiplies, the search form rounds the product (halves to the even neighbour).
std::int32_t ControlWidth(const QString& lengthText, WizardForm form);

// The control kind (2, 4, 5, 11 or 12) a field of the main table gets; `keyColumn` is the main
// table's key column (empty when its definition could not be read).
std::int32_t ControlKindOf(const FieldRecord& field, const QString& keyColumn, WizardForm form);

// Kinds the search form lays out; the others (sub-table items) are not put on it at all.
inline bool SearchFormPlaces(std::int32_t kind) {
    return kind < 10;
}

// IntSettings and SwitchSettings of a laid-out item's caption label and control. The control's
// pair is empty where the item keeps its template's own values.
struct ItemFlagStrings {
    QString labelInt, labelSwitch;
    std::optional<QString> controlInt, controlSwitch;
};
ItemFlagStrings FlagStringsFor(WizardForm form, WizardLayoutStyle style, std::int32_t kind);

}  // namespace zelk
