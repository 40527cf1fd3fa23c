// What the canvas commands ask of the canvas selection.

#include "designer/designerbase.h"

namespace zelk {

std::vector<DesignControl*> DesignerBase::selectedForArrange() const {
    return {};
}

void DesignerBase::redrawSelectionAfterArrange() {}

void DesignerBase::dropFromSelection(DesignControl*) {}

void DesignerBase::clearSelectionAfterDblClick() {}

void DesignerBase::setTabOrderMode(bool) {}

}  // namespace zelk
