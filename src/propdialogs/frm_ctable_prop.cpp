#include "propdialogs/frm_ctable_prop.h"

#include <memory>

namespace zelk {

namespace {

const PropertyDialogDesign kDesign{
    .className = "frm_ctable_prop",
    .banner = "设置子表项控件属性",
    .captions = {{"Check10", "采用列表录入方式"}, {"Label3", "附加信息录入方式"}},
    .hidden = {"Check1", "Check2", "Check3", "Check4", "Check6", "Label1(1)", "ComboBox1(0)",
               "Label1(2)", "Text1(2)", "Label1(3)", "Text1(3)", "Label1(8)", "Text1(8)",
               "Label1(20)", "Text1(20)", "Label1(22)", "Text1(22)"},
    .shown = {"Label1(24)", "Text1(24)"},
    .places = {{"Check10", 1, 120, 480, 2400, 300},
               {"Label3", 4, 120, 1005, 1560, 240},
               {"ComboBox2", 4, 1740, 960, 2400, 300}},
};

PropertyRow extraInfoEntryModeRow(std::int16_t& value, QComboBox* box) {
    PropertyRow row{QStringLiteral("ExtraInfoEntryMode")};
    // The text shown at load: left as it is, the value comes back unchanged.
    auto shown = std::make_shared<QString>();
    auto entry = [box] {
        return box->findText(box->currentText(), Qt::MatchExactly | Qt::MatchCaseSensitive);
    };
    row.load = [&value, box, shown] {
        box->setCurrentIndex(value >= 0 && value <= 2 ? value : 0);
        *shown = box->currentText();
    };
    row.check = [box, shown, entry]() -> std::optional<QString> {
        if (box->currentText() == *shown || entry() >= 0) return std::nullopt;
        return QStringLiteral("附加信息录入方式必须是列表中的一项！");
    };
    row.save = [&value, box, shown, entry] {
        if (box->currentText() == *shown) return;
        value = static_cast<std::int16_t>(entry());
    };
    row.box = box;
    row.controls = {box};
    return row;
}

PropertyRow listEntryModeRow(std::int16_t& value, QCheckBox* box) {
    PropertyRow row{QStringLiteral("ListEntryMode")};
    row.load = [&value, box] { box->setChecked(value == 1); };
    row.save = [&value, box] { value = box->isChecked() ? 1 : 0; };
    row.controls = {box};
    return row;
}

}  // namespace

frm_ctable_prop::frm_ctable_prop(QWidget* parent)
    : ItemPropertyDialog(kDesign, parent),
      Check10(new QCheckBox(this)),
      Label3(new QLabel(this)),
      ComboBox2(new QComboBox(this)) {
    Check10->setObjectName(QStringLiteral("Check10"));
    Label3->setObjectName(QStringLiteral("Label3"));
    ComboBox2->setObjectName(QStringLiteral("ComboBox2"));
    ComboBox2->setEditable(true);
    ComboBox2->setInsertPolicy(QComboBox::NoInsert);
    applyDesign();
    PropertyRows rows = framePropertyRows(*this);
    insertRowBefore(rows, QStringLiteral("ApplyToSameKind"),
                    extraInfoEntryModeRow(ExtraInfoEntryMode, ComboBox2));
    insertRowBefore(rows, QStringLiteral("ApplyToSameKind"),
                    listEntryModeRow(ListEntryMode, Check10));
    setRows(std::move(rows));
}

void frm_ctable_prop::Form_Load() {
    ItemPropertyDialog::Form_Load();
    ComboBox2->clear();
    ComboBox2->addItem(QStringLiteral("0 - 页面显示"));
    ComboBox2->addItem(QStringLiteral("1 - 弹出列表"));
    ComboBox2->addItem(QStringLiteral("2 - 两者都提供"));
    ComboBox2->setCurrentIndex(-1);
}

}  // namespace zelk
