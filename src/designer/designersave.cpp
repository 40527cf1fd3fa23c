// SaveInterface of the two form designers: what each hands the shared save.

#include <map>

#include "component/fixedfield.h"
#include "component/zelkmodule.h"
#include "designer/frm_zelk_jssj.h"
#include "designer/interfacesave.h"

namespace zelk {

namespace {

// The design surface's default background: the system window colour.
constexpr std::int32_t kSystemWindowColour = static_cast<std::int32_t>(0x80000005u);
// A stored size of 1500 twips or less stands for the default surface.
constexpr std::int32_t kSmallestStoredSize = 1500;
constexpr std::int32_t kDefaultSurfaceSize = 4500;

// A kept row with an item stands for that item.
template <class Row>
std::map<std::int32_t, const Row*> rowsByItem(const std::vector<KeptRow<Row>>& kept) {
    std::map<std::int32_t, const Row*> rows;
    for (const auto& k : kept)
        if (k.itemIndex != 0) rows[k.itemIndex] = &k.row;
    return rows;
}

// An item the designer cannot show is stored as it was read, under its current item number and
// (item-entry rows) entry order, with this interface's number.
template <class Row>
void restoreKeptRow(const Row& kept, std::int32_t number, Row& row) {
    using C = ItemColumns<Row>;
    const auto itemNo = row.*C::m29;
    const std::int32_t entryOrder = row.*C::m04;
    row = kept;
    row.*C::m29 = itemNo;
    if constexpr (!C::kSearchRow) row.*C::m04 = entryOrder;
    row.*C::m01 = number;
}

}  // namespace

CanvasValues DesignerBase::canvasValues() const {
    CanvasValues canvas;
    canvas.BackColor = numericInt32(fieldText(InterfaceRow.id12)).value_or(kSystemWindowColour);
    canvas.Width = DesignAreaWidth > kSmallestStoredSize ? DesignAreaWidth : kDefaultSurfaceSize;
    canvas.Height = DesignAreaHeight > kSmallestStoredSize ? DesignAreaHeight : kDefaultSurfaceSize;
    return canvas;
}

void frm_zelk_jssj::SaveInterface() {
    const auto keptByItem = rowsByItem(KeptRows);
    SearchFormSave save;
    save.hdbc = hdbc;
    save.row = InterfaceRow;
    save.canvas = canvasValues();
    save.items = itemSource(ItemTable, ItemCount);
    save.writeItem = [&](std::int32_t i, IJSTRecord& row) {
        if (const auto kept = keptByItem.find(i); kept != keptByItem.end())
            restoreKeptRow(*kept->second, InterfaceRow.id00, row);
        else
            SaveIJSTItem(ItemTable[static_cast<std::size_t>(i)], row);
    };
    save.keptRows = rowsWithoutItem(KeptRows);
    if (!saveSearchForm(save)) return;
    InterfaceRow = save.row;
    DesignModified = false;
}

}  // namespace zelk
