// The wizard's layout grid, control kinds, widths and flag strings.

#include "wizard/wizardlayout.h"

#include <algorithm>
#include <array>

#include "component/fixedfield.h"
#include "component/zelkmodule.h"

namespace zelk {

namespace {

// Left and right edges of the caption label and the control in each column, and the row pitch.
struct StyleGrid {
    std::array<std::int32_t, 2> labelLeft, labelRight, controlLeft, controlRight;
    std::int32_t pitch;
};

constexpr StyleGrid kSpaced{{210, 4770}, {1710, 6270}, {1740, 6300}, {4740, 9300}, 390};
// Table style: neighbouring cells share their borders.
constexpr StyleGrid kTable{{210, 4680}, {1710, 6180}, {1695, 6165}, {4695, 9165}, 345};

const StyleGrid& gridOf(WizardLayoutStyle style) {
    return style == WizardLayoutStyle::Table ? kTable : kSpaced;
}

constexpr std::int32_t kFirstRowTop = 210;
constexpr std::int32_t kRowHeight = 360;
constexpr std::int32_t kDefaultWidth = 3000;
constexpr std::int32_t kMinWidth = 1200;
constexpr std::int32_t kMaxWidth = 6000;

QString trimmed(const auto& field) {
    return TrimFixedField(fieldText(field));
}

}  // namespace

std::vector<ItemPlace> LayoutItems(const LayoutOptions& options,
                                   const std::vector<GridSlot>& gridSlots) {
    const StyleGrid& grid = gridOf(options.style);
    std::array<std::optional<std::int32_t>, 2> lastTop;  // per column
    std::vector<ItemPlace> places;
    places.reserve(gridSlots.size());
    for (const GridSlot& slot : gridSlots) {
        const int column = !options.singleColumn && slot.position % 2 == 0 ? 1 : 0;
        const std::int32_t top = lastTop[column] ? *lastTop[column] + grid.pitch : kFirstRowTop;
        lastTop[column] = top;
        ItemPlace place;
        place.label = {grid.labelLeft[column], top, grid.labelRight[column], top + kRowHeight};
        const std::int32_t left = grid.controlLeft[column];
        const std::int32_t right = options.singleColumn && options.autoSize
                                       ? left + slot.width
                                       : grid.controlRight[column];
        place.control = {left, top, right, top + kRowHeight};
        places.push_back(place);
    }
    return places;
}

std::int32_t ControlWidth(const QString& lengthText, WizardForm form) {
    const QString text = TrimFixedField(lengthText);
    if (!isNumeric(text)) return kDefaultWidth;
    const double length = leadingNumber(text);
    // A product beyond 32 bits is wider than the widest control.
    std::optional<std::int64_t> width;
    if (form == WizardForm::ItemEntry) {
        if (const auto whole = toInt32(length)) width = std::int64_t{*whole} * 100;
    } else if (const auto whole = toInt32(length * 100)) {
        width = *whole;
    }
    if (!width) return length > 0 ? kMaxWidth : kMinWidth;
    return static_cast<std::int32_t>(std::clamp<std::int64_t>(*width, kMinWidth, kMaxWidth));
}

std::int32_t ControlKindOf(const FieldRecord& field, const QString& keyColumn, WizardForm form) {
    const bool entry = form == WizardForm::ItemEntry;
    std::int32_t kind = 2;
    if (trimmed(field.m02) == TrimFixedField(keyColumn)) kind = 4;
    if (trimmed(field.m04) == QStringLiteral("日期")) kind = 5;
    if (trimmed(field.m07) == "1") kind = 4;
    if (trimmed(field.m09) == "1") kind = 4;
    if (trimmed(field.m24) == "1") kind = 4;
    if (trimmed(field.m16) == "1" && (!entry || !trimmed(field.m17).isEmpty())) kind = 12;
    if (entry && trimmed(field.m18) == "1") kind = 11;
    return kind;
}

ItemFlagStrings FlagStringsFor(WizardForm form, WizardLayoutStyle style, std::int32_t kind) {
    const bool flat = style == WizardLayoutStyle::Typical || style == WizardLayoutStyle::Flat;
    ItemFlagStrings f;
    f.labelInt = flat ? "000000000001" : "001000000001";
    f.labelSwitch = "000000100000011";
    const QString controlSwitch = "001100111000111";
    if (form == WizardForm::ItemSearch) {
        f.controlInt = style == WizardLayoutStyle::Typical ? "010101002201" : "001101002001";
        f.controlSwitch = controlSwitch;
        return f;
    }
    switch (style) {
        case WizardLayoutStyle::Typical:
            if (kind == 5 || kind == 11) {
                f.controlInt = "011100002101";
            } else if (kind == 1 || kind == 2 || kind == 3 || kind == 4 || kind == 6 ||
                       kind == 10) {
                f.controlInt = "011100002201";
            } else {
                return f;  // sub-table items keep their template's strings
            }
            break;
        case WizardLayoutStyle::Flat:
            f.controlInt = "001100010001";
            break;
        case WizardLayoutStyle::Table:
        case WizardLayoutStyle::Web:
            f.controlInt = "001100000001";
            break;
    }
    f.controlSwitch = controlSwitch;
    return f;
}

}  // namespace zelk
