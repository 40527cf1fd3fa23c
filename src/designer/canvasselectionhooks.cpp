// What the canvas commands ask of the canvas selection.

#include "designer/designerbase.h"

namespace zelk {

std::vector<DesignControl*> DesignerBase::selectedForArrange() const {
    return selection_.selectedControls();
}

void DesignerBase::redrawSelectionAfterArrange() {
    RedrawSelection();
}

void DesignerBase::dropFromSelection(DesignControl* control) {
    if (control && selection_.isSelected(control)) RemoveFromSelection(control);
}

void DesignerBase::clearSelectionAfterDblClick() {
    if (gesture().GroupDragging) return;
    RemoveSizeHandles();
    ClearSelection();
}

void DesignerBase::setTabOrderMode(bool on) {
    selection_.TabOrderCounter = 0;
    selection_.TabOrderMode = on;
}

}  // namespace zelk
