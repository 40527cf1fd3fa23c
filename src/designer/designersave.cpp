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
    if (!saveSearchForm(save)) return;
    InterfaceRow = save.row;
    DesignModified = false;
}

}  // namespace zelk
