#include "management/frm_zelk_zbfl.h"

#include "component/fixedfield.h"
#include "component/zelkmodule.h"
#include "dataaccess/dravix.h"
#include "management/suite/classtree.h"
#include "platform/errors.h"
#include "platform/prompts.h"
#include "platform/twips.h"

namespace zelk {

frm_zelk_zbfl::frm_zelk_zbfl(QWidget* parent) : Form(parent) {
    setObjectName(QStringLiteral("frm_zelk_zbfl"));
    setWindowTitle(QStringLiteral("更改子表分类"));
    setFixedSize(twipsToPixels(5400), twipsToPixels(5700));
    Picture6 = new QLabel(this);
    placeTwips(Picture6, 0, 0, 5400, 120);
    Picture6->setAutoFillBackground(true);
    QPalette band = Picture6->palette();
    band.setColor(QPalette::Window, QColor(0x00, 0x33, 0x99));
    Picture6->setPalette(band);
    Label1 = new QLabel(QStringLiteral("子表分类"), this);
    placeTwips(Label1, 240, 300, 900, 255);
    Text1 = new QLineEdit(QStringLiteral("无效的分类"), this);
    placeTwips(Text1, 1200, 270, 3960, 315);
    Text1->setEnabled(false);
    Label3 = new QLabel(QStringLiteral("系统分类"), this);
    placeTwips(Label3, 240, 720, 900, 255);
    Picture2 = new QLabel(this);
    placeTwips(Picture2, 225, 1005, 4950, 3810);
    Picture2->setFrameShape(QFrame::Panel);
    Picture2->setFrameShadow(QFrame::Sunken);
    Picture1 = new QWidget(this);
    placeTwips(Picture1, 240, 1020, 4920, 3780);
    Command1 = new QPushButton(QStringLiteral("确定"), this);
    placeTwips(Command1, 2880, 5040, 1095, 375);
    Command2 = new QPushButton(QStringLiteral("取消"), this);
    placeTwips(Command2, 4080, 5040, 1095, 375);
    // Until an item is read there is nothing OK could store.
    Command1->setEnabled(false);
    connect(Command1, &QPushButton::clicked, this,
            Trapped(QStringLiteral("frm_zelk_zbfl.Command1_Click"), [this] { Command1_Click(); }));
    connect(Command2, &QPushButton::clicked, this,
            Trapped(QStringLiteral("frm_zelk_zbfl.Command2_Click"), [this] { Command2_Click(); }));
}

frm_zelk_zbfl::~frm_zelk_zbfl() = default;

void frm_zelk_zbfl::init(std::int32_t hdbc, const QString& systemname, const QString& maintable,
                         const QString& username, std::int32_t itemId) {
    load();
    hdbc_ = hdbc;
    systemName_ = systemname;
    mainTable_ = maintable;
    userName_ = username;
    itemId_ = itemId;
    ItemFound = sysISITGetItem(hdbc, record_, itemId) >= 1;
    if (!ItemFound) return;
    Text1->setText(fieldText(record_.ii28));
    Text1->setEnabled(true);
    Command1->setEnabled(true);
    FieldRecord field;
    if (sysFieldGetItem(hdbc, maintable, TrimFixedField(fieldText(record_.ii02)), field) < 1)
        return;
    tree_ = std::make_unique<ClassTree>();
    connect(tree_.get(), &ClassTree::TypeChange, this,
            Trapped(QStringLiteral("frm_zelk_zbfl.tree_TypeChange"),
                    [this](const QString& first, const QString& second) {
                        tree_TypeChange(first, second);
                    }));
    connect(tree_.get(), &ClassTree::NeedHelp, this, [this](QString& id) { raiseNeedHelp(id); });
    tree_->Open(hdbc, 1, TrimFixedField(fieldText(field.m17)), systemname, username);
    tree_->AttachTo(0, Picture1);
    tree_->Resize(static_cast<std::int32_t>(pixelsToTwips(Picture1->width())),
                  static_cast<std::int32_t>(pixelsToTwips(Picture1->height())));
}

void frm_zelk_zbfl::tree_TypeChange(const QString&, const QString& second) {
    Text1->setText(second);
}

void frm_zelk_zbfl::Command1_Click() {
    ISITRecord row = record_;
    setField(row.ii28, Text1->text());
    if (sysISITUpdateRecord(hdbc_, row) != row.ii00) {
        MsgBox(QStringLiteral("不能保存主表分类！"), vbCritical, QStringLiteral("系统提示"));
        return;
    }
    record_ = row;
    unload();
}

void frm_zelk_zbfl::Command2_Click() {
    unload();
}

void frm_zelk_zbfl::Form_Unload(int&) {
    tree_.reset();
}

}  // namespace zelk
