#include "propdialogs/frm_check_prop.h"

namespace zelk {

namespace {
const PropertyDialogDesign kDesign{
    .className = "frm_check_prop",
    .banner = "设置选择框属性",
    .width = 5850,
    .labelArray = "label1",
    .pages = 6,
    .captions = {{"Check9", "将外观属性应用到同类控件"},
                 {"label1(14)", "特殊效果"},
                 {"Check6", "单用户办理窗口"}},
    .hidden = {"label1(20)", "Text1(20)", "label1(22)", "Text1(22)"},
    .places = {{"label1(4)", 6, 120, 165, 1260, 240},
               {"Combo1", 6, 1380, 120, 3000, 300},
               {"Check6", 6, 120, 540, 2400, 300},
               {"Label3", 6, 120, 960, -120, 1200}},
};
}  // namespace

frm_check_prop::frm_check_prop(QWidget* parent)
    : ApprovalPropertyDialog(kDesign, parent), Label3(new QLabel(this)) {
    Label3->setObjectName(QStringLiteral("Label3"));
    finishApprovalPage(&Label1.load(4), Label3);
}

}  // namespace zelk
