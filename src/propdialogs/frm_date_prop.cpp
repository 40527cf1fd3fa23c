#include "propdialogs/frm_date_prop.h"

#include <QStringList>

namespace zelk {

namespace {

const PropertyDialogDesign kDesign{
    .className = "frm_date_prop",
    .banner = "设置日期选择框属性",
    .width = 5850,
    .height = 4320,
    .captions = {{"Check9", "将外观属性应用到同类控件"}, {"Label1(14)", "特殊效果"}},
    .removed = {"ComboBox1(7)"},
    .hidden = {"Check8"},
    .shown = {"Text2"},
    .places = {{"Combo1", 4, 1140, 540, 2400, 300}},
};

// The format is picked from the four; a stored format that is none of them is offered first,
// so that it comes back unchanged.
PropertyRow dateFormatRow(QString& value, QComboBox* box) {
    PropertyRow row{QStringLiteral("Format")};
    row.load = [&value, box] {
        const QStringList formats = {QStringLiteral("yyyymmdd"), QStringLiteral("yyyy.mm.dd"),
                                     QStringLiteral("yyyy-mm-dd"),
                                     QStringLiteral("yyyy年mm月dd日")};
        box->clear();
        if (!formats.contains(value)) box->addItem(value);
        box->addItems(formats);
        box->setEditable(false);
        box->setCurrentIndex(box->findText(value, Qt::MatchExactly | Qt::MatchCaseSensitive));
    };
    row.save = [&value, box] { value = box->currentText(); };
    row.controls = {box};
    return row;
}

}  // namespace

frm_date_prop::frm_date_prop(QWidget* parent)
    : ItemPropertyDialog(kDesign, parent), Combo1(new QComboBox(this)) {
    Combo1->setObjectName(QStringLiteral("Combo1"));
    Combo1->setEditable(false);
    Combo1->addItems({QStringLiteral("0-平面效果"), QStringLiteral("1-立体效果")});
    applyDesign();
    PropertyRows rows = framePropertyRows(*this);
    replaceRow(rows, QStringLiteral("Format"), dateFormatRow(Format, &ComboBox1[0]));
    rows.push_back(listIndexRow("Appearance", Appearance, Combo1));
    setRows(std::move(rows));
}

}  // namespace zelk
