#include "designer/frm_zelk_xgti.h"

#include <QHBoxLayout>
#include <QVBoxLayout>

#include "platform/errors.h"

namespace zelk {

frm_zelk_xgti::frm_zelk_xgti(QWidget* parent)
    : Form(parent),
      Frame1(new QGroupBox(QStringLiteral("是否同步修改"), this)),
      Check1(new QCheckBox(QStringLiteral("检索界面"), Frame1)),
      Check2(new QCheckBox(QStringLiteral("浏览界面"), Frame1)),
      OKButton(new QPushButton(QStringLiteral("确定"), this)),
      CancelButton(new QPushButton(QStringLiteral("取消"), this)) {
    setWindowTitle(QStringLiteral("修改提示"));
    auto* boxes = new QHBoxLayout(Frame1);
    boxes->addWidget(Check1);
    boxes->addWidget(Check2);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(OKButton);
    buttons->addWidget(CancelButton);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Frame1);
    layout->addLayout(buttons);
    OKButton->setDefault(true);
    connect(OKButton, &QPushButton::clicked, this,
            [this] { TrapErrors(QStringLiteral("frm_zelk_xgti"), [this] { OKButton_Click(); }); });
    connect(CancelButton, &QPushButton::clicked, this, [this] {
        TrapErrors(QStringLiteral("frm_zelk_xgti"), [this] { CancelButton_Click(); });
    });
}

void frm_zelk_xgti::Form_Load() {
    Check1->setCheckState(Qt::Unchecked);
    Check2->setCheckState(Qt::Unchecked);
    SyncSearch = false;
    SyncBrowse = false;
}

void frm_zelk_xgti::OKButton_Click() {
    // A box in the mixed state counts as not chosen.
    SyncSearch = Check1->checkState() == Qt::Checked;
    SyncBrowse = Check2->checkState() == Qt::Checked;
    unload();
}

void frm_zelk_xgti::CancelButton_Click() {
    SyncSearch = false;
    SyncBrowse = false;
    unload();
}

}  // namespace zelk
