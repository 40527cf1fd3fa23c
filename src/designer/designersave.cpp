// SaveInterface of the two form designers: what each hands the shared save.

#include "component/fixedfield.h"
#include "component/zelkmodule.h"
#include "designer/frm_zelk_jssj.h"
#include "designer/interfacesave.h"

namespace zelk {

CanvasValues DesignerBase::canvasValues() const {
    CanvasValues canvas;
    canvas.BackColor = PictureTest->BackColor();
    canvas.Width = PictureTest->Width();
    canvas.Height = PictureTest->Height();
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
