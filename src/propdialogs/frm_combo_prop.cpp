#include "propdialogs/frm_combo_prop.h"

namespace zelk {

namespace {

const PropertyDialogDesign kDesign{
    .className = "frm_combo_prop",
    .banner = "设置下拉框属性",
    .captions = {{"Check9", "将外观属性应用到同类控件"},
                 {"Label1(14)", "特殊效果"},
                 {"Label3", "数据选择"}},
    .places = {{"Label3", 4, 120, 1005, 960, 240}, {"ComboBox2", 4, 1140, 960, 2880, 300}},
};

PropertyRow dataSelectModeRow(std::int32_t& value, QComboBox* box) {
    PropertyRow row{QStringLiteral("DataSelectMode")};
    row.load = [&value, box] { box->setCurrentIndex(value == 0 ? 0 : 1); };
    // List mode is stored as 2; an untouched choice keeps the stored value, whatever it is.
    row.save = [&value, box] {
        if (box->currentIndex() == (value == 0 ? 0 : 1)) return;
        value = box->currentIndex() == 1 ? 2 : 0;
    };
    row.controls = {box};
    return row;
}

}  // namespace

frm_combo_prop::frm_combo_prop(QWidget* parent)
    : ItemPropertyDialog(kDesign, parent),
      Label3(new QLabel(this)),
      ComboBox2(new QComboBox(this)) {
    Label3->setObjectName(QStringLiteral("Label3"));
    ComboBox2->setObjectName(QStringLiteral("ComboBox2"));
    ComboBox2->setEditable(false);
    applyDesign();
    PropertyRows rows = framePropertyRows(*this);
    rows.push_back(dataSelectModeRow(DataSelectMode, ComboBox2));
    setRows(std::move(rows));
}

void frm_combo_prop::Form_Load() {
    ItemPropertyDialog::Form_Load();
    ComboBox2->clear();
    ComboBox2->addItem(QStringLiteral("0-组合方式(可录入)"));
    ComboBox2->addItem(QStringLiteral("1-列表方式(只能选择)"));
}

}  // namespace zelk
