// SaveInterface of the two form designers: what each hands the shared save.

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

}  // namespace

CanvasValues DesignerBase::canvasValues() const {
    CanvasValues canvas;
    canvas.BackColor = numericInt32(fieldText(InterfaceRow.id12)).value_or(kSystemWindowColour);
    canvas.Width = DesignAreaWidth > kSmallestStoredSize ? DesignAreaWidth : kDefaultSurfaceSize;
    canvas.Height = DesignAreaHeight > kSmallestStoredSize ? DesignAreaHeight : kDefaultSurfaceSize;
    return canvas;
}

void frm_zelk_jssj::SaveInterface() {
    auto save = newSave<SearchFormSave>();
    save.writeItem = [this](std::int32_t i, IJSTRecord& row) {
        if (const IJSTRecord* kept = keptRowOf(i))
            restoreKeptRow(*kept, InterfaceRow.id00, row);
        else
            SaveIJSTItem(ItemTable[static_cast<std::size_t>(i)], row);
    };
    if (!saveSearchForm(save)) return;
    InterfaceRow = save.row;
    DesignModified = false;
}

}  // namespace zelk
