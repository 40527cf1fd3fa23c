#include "propdialogs/frm_list_prop.h"

namespace zelk {

namespace {
const PropertyDialogDesign kDesign{
    .className = "frm_list_prop",
    .banner = "设置列表框控件属性",
    .width = 5745,
};
}  // namespace

frm_list_prop::frm_list_prop(QWidget* parent) : ItemPropertyDialog(kDesign, parent) {
    applyDesign();
    setRows(framePropertyRows(*this));
}

}  // namespace zelk
