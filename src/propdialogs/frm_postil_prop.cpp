#include "propdialogs/frm_postil_prop.h"

namespace zelk {

namespace {
const PropertyDialogDesign kDesign{
    .className = "frm_postil_prop",
    .banner = "设置批注框控件属性",
    .pages = 6,
    .captions = {{"Check6", "单用户办理窗口"}},
    .hidden = {"Label1(8)"},
    .places = {{"Label3(0)", 6, 120, 165, 1260, 240},
               {"Combo1", 6, 1380, 120, 3000, 300},
               {"Check6", 6, 120, 540, 2400, 300},
               {"Label3(1)", 6, 120, 960, -120, 1200}},
};
}  // namespace

frm_postil_prop::frm_postil_prop(QWidget* parent)
    : ApprovalPropertyDialog(kDesign, parent), Label3(QStringLiteral("Label3"), new QLabel(this)) {
    finishApprovalPage(&Label3[0], &Label3.load(1));
}

}  // namespace zelk
