#include "propdialogs/frm_label_prop.h"

namespace zelk {

namespace {
const PropertyDialogDesign kDesign{
    .className = "frm_label_prop",
    .banner = "设置标签属性",
    .width = 5985,
    .height = 4110,
    .applyBox = "Check6",
    .pages = 4,
    .verticalAlign = true,
    .captions = {{"Label3", "标签"},
                 {"Label1(14)", "特殊效果"},
                 {"Check6", "将设置的外观属性应用到全部标签"}},
    .removed = {"Label1(0)", "Label1(1)", "ComboBox1(0)", "Label1(2)", "Text1(2)", "Label1(3)",
                "Text1(3)", "Label1(8)", "Text1(8)", "Check9"},
    .hidden = {"Check2", "Check3"},
    .places = {{"Label3", 1, 120, 165, 960, 240},
               {"Check1", 1, 120, 600, 900, 300},
               {"Check4", 1, 1080, 600, 2100, 300},
               {"Check2", 1, 3180, 600, 900, 300},
               {"Check3", 1, 4140, 600, 900, 300},
               {"Check6", 0, 120, -450, 3540, 300}},
};
}  // namespace

frm_label_prop::frm_label_prop(QWidget* parent)
    : ItemPropertyDialog(kDesign, parent), Label3(new QLabel(this)) {
    Label3->setObjectName(QStringLiteral("Label3"));
    applyDesign();
    setRows(framePropertyRows(*this));
}

}  // namespace zelk
