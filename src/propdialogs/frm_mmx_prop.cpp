#include "propdialogs/frm_mmx_prop.h"

#include "platform/errors.h"

namespace zelk {

namespace {
const PropertyDialogDesign kDesign{
    .className = "frm_mmx_prop",
    .banner = "设置多媒体控件属性",
    .width = 6435,
    .height = 4935,
    .applyBox = nullptr,
    .captions = {{"Check4", "保存时自动转为批注文件"},
                 {"Label1(14)", "特殊效果"},
                 {"Check9", "多媒体文件直接显示在界面上"},
                 {"Check10", "直接显示图片"}},
    .hidden = {"Check10"},
    .places = {{"Check4", 1, 120, 2340, 3600, 300},
               {"Check9", 4, 120, 1020, 3000, 300},
               {"Check10", 4, 3240, 1020, 1800, 300}},
};
}  // namespace

frm_mmx_prop::frm_mmx_prop(QWidget* parent)
    : ItemPropertyDialog(kDesign, parent), Check10(new QCheckBox(this)) {
    Check10->setObjectName(QStringLiteral("Check10"));
    connect(Check9, &QCheckBox::toggled, this,
            Trapped(QStringLiteral("frm_mmx_prop.Check9_Click"), [this] { Check9_Click(); }));
    applyDesign();
    PropertyRows rows = framePropertyRows(*this);
    rows.push_back(checkRow("ShowMediaInline", ShowMediaInline, Check9));
    // Read whether or not Check10 is shown.
    rows.push_back(checkRow("ShowPictureDirect", ShowPictureDirect, Check10));
    setRows(std::move(rows));
}

void frm_mmx_prop::Check9_Click() {
    if (Check9->isChecked()) {
        Check10->setVisible(true);
    } else {
        Check10->setChecked(false);
        Check10->setVisible(false);
    }
}

}  // namespace zelk
