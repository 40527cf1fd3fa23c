#include "propdialogs/frm_memo_prop.h"

namespace zelk {

namespace {
const PropertyDialogDesign kDesign{
    .className = "frm_memo_prop",
    .banner = "设置多行文本控件属性",
    .width = 5835,
    .height = 4305,
    .captions = {{"Check9", "将外观属性应用到全部多文本控件"}, {"Label1(14)", "特殊效果"}},
};
}  // namespace

frm_memo_prop::frm_memo_prop(QWidget* parent) : ItemPropertyDialog(kDesign, parent) {
    applyDesign();
    setRows(framePropertyRows(*this));
}

}  // namespace zelk
