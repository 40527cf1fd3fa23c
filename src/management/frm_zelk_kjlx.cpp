#include "management/frm_zelk_kjlx.h"

#include "component/fixedfield.h"
#include "component/zelkmodule.h"
#include "dataaccess/dravix.h"
#include "platform/errors.h"
#include "platform/prompts.h"
#include "platform/twips.h"
#include "rowchanges/transactions.h"

namespace zelk {

QStringList controlKindEntries(bool searchItem) {
    return {QStringLiteral("1-标签控件"),
            QStringLiteral("2-单行编辑框控件"),
            QStringLiteral("3-检查框控件"),
            QStringLiteral("4-下拉框控件"),
            QStringLiteral("5-日期选择控件"),
            searchItem ? QStringLiteral("6-子表检索项") : QStringLiteral("6-列表框控件"),
            QStringLiteral("7-不可设置类型"),
            QStringLiteral("8-不可设置类型"),
            QStringLiteral("9-不可设置类型"),
            QStringLiteral("10-文本框控件"),
            QStringLiteral("11-多媒体处理控件"),
            QStringLiteral("12-子表项"),
            QStringLiteral("13-手写批注")};
}

int controlKindIndex(std::int32_t storedKind) {
    if (storedKind > 13) return -1;
    return storedKind > 1 ? storedKind - 1 : 0;
}

frm_zelk_kjlx::frm_zelk_kjlx(QWidget* parent)
    : Form(parent),
      Label1(new QLabel(QStringLiteral("原栏目控件类型"), this)),
      Label2(new QLabel(QStringLiteral("[未定义]"), this)),
      Label3(new QLabel(QStringLiteral("新栏目控件类型"), this)),
      Frame1(new QGroupBox(this)),
      Combo1(new QComboBox(Frame1)),
      Command1(new QPushButton(QStringLiteral("确定"), this)),
      Command2(new QPushButton(QStringLiteral("取消"), this)) {
    setWindowTitle(QStringLiteral("更改栏目控件类型"));
    setFixedSize(twipsToPixels(4800), twipsToPixels(2520));
    Label1->setGeometry(twipsToPixels(240), twipsToPixels(240), twipsToPixels(1500),
                        twipsToPixels(300));
    Label2->setGeometry(twipsToPixels(1800), twipsToPixels(240), twipsToPixels(2700),
                        twipsToPixels(300));
    Frame1->setGeometry(twipsToPixels(120), twipsToPixels(600), twipsToPixels(4560),
                        twipsToPixels(1080));
    Label3->setParent(Frame1);
    Label3->setGeometry(twipsToPixels(120), twipsToPixels(420), twipsToPixels(1500),
                        twipsToPixels(300));
    Combo1->setGeometry(twipsToPixels(1680), twipsToPixels(375), twipsToPixels(2700),
                        twipsToPixels(330));
    Combo1->setEditable(false);
    Combo1->setVisible(false);
    Command1->setGeometry(twipsToPixels(2280), twipsToPixels(1860), twipsToPixels(1095),
                          twipsToPixels(375));
    Command2->setGeometry(twipsToPixels(3480), twipsToPixels(1860), twipsToPixels(1095),
                          twipsToPixels(375));
    Command1->setEnabled(false);

    connect(Combo1, &QComboBox::currentIndexChanged, this,
            Trapped(QStringLiteral("frm_zelk_kjlx.Combo1_Change"), [this] { Combo1_Change(); }));
    connect(Combo1, &QComboBox::activated, this,
            Trapped(QStringLiteral("frm_zelk_kjlx.Combo1_Click"), [this] { Combo1_Click(); }));
    connect(Command1, &QPushButton::clicked, this,
            Trapped(QStringLiteral("frm_zelk_kjlx.Command1_Click"), [this] { Command1_Click(); }));
    connect(Command2, &QPushButton::clicked, this,
            Trapped(QStringLiteral("frm_zelk_kjlx.Command2_Click"), [this] { Command2_Click(); }));
}

void frm_zelk_kjlx::init(std::int32_t hdbc, std::int32_t itemId, std::int16_t isIJST) {
    hdbc_ = hdbc;
    isIJST_ = isIJST;
    Combo1->clear();
    Combo1->addItems(controlKindEntries(isIJST != 0));
    QString kindText;
    if (isIJST == 0) {
        ItemFound = sysISITGetItem(hdbc, isit_, itemId) >= 1;
        interfaceId_ = isit_.ii01;
        kindText = fieldText(isit_.ii06);
    } else {
        ItemFound = sysIJSTGetItem(hdbc, ijst_, itemId) >= 1;
        interfaceId_ = ijst_.is01;
        kindText = fieldText(ijst_.is06);
    }
    if (!ItemFound) {
        Combo1->setCurrentIndex(-1);
        unload();
        return;
    }
    const double value = leadingNumber(TrimFixedField(kindText));
    storedKind_ = value == 0 ? 1 : toInt32(value).value_or(0);
    const int index = controlKindIndex(storedKind_);
    Combo1->setCurrentIndex(index);
    // A kind beyond the list keeps the design caption.
    if (index >= 0) Label2->setText(Combo1->itemText(index));
    Combo1_Change();
    Combo1->setVisible(true);
}

void frm_zelk_kjlx::Combo1_Change() {
    const int index = Combo1->currentIndex();
    Command1->setEnabled(index >= 0 && index + 1 != storedKind_);
}

void frm_zelk_kjlx::Combo1_Click() {
    Combo1_Change();
}

void frm_zelk_kjlx::Command1_Click() {
    const int index = Combo1->currentIndex();
    if (!ItemFound || index < 0) return;
    const QString kind = QString::number(index + 1);
    bool saved = false;
    if (isIJST_ == 0) {
        ISITRecord row = isit_;
        setField(row.ii06, kind);
        saved = ChangeInterfaceItems(hdbc_, interfaceId_,
                                     [&] { return sysISITUpdateRecord(hdbc_, row) == row.ii00; });
        if (saved) isit_ = row;
    } else {
        IJSTRecord row = ijst_;
        setField(row.is06, kind);
        saved = ChangeInterfaceItems(hdbc_, interfaceId_,
                                     [&] { return sysIJSTUpdateRecord(hdbc_, row) == row.is00; });
        if (saved) ijst_ = row;
    }
    if (!saved) {
        MsgBox(QStringLiteral("修改信息保存出错！"), vbCritical, QStringLiteral("系统提示"));
        return;
    }
    unload();
}

void frm_zelk_kjlx::Command2_Click() {
    unload();
}

}  // namespace zelk
