#include "propdialogs/frm_text_prop.h"

namespace zelk {

namespace {
const PropertyDialogDesign kDesign{
    .className = "frm_text_prop",
    .banner = "设置文本框控件属性",
};
}  // namespace

frm_text_prop::frm_text_prop(QWidget* parent) : ItemPropertyDialog(kDesign, parent) {
    applyDesign();
    setRows(framePropertyRows(*this));
}

}  // namespace zelk
