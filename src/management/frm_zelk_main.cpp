#include "management/frm_zelk_main.h"

#include <QFrame>
#include <QVBoxLayout>

#include "component/zelkmodule.h"

namespace zelk {

frm_zelk_main::frm_zelk_main(QWidget* parent) : Form(parent) {
    setObjectName(QStringLiteral("frm_zelk_main"));
    setWindowTitle(QStringLiteral("系统界面管理模块"));
    SSSplitter1 = new QSplitter(Qt::Horizontal, this);
    SSSplitter1->setObjectName(QStringLiteral("SSSplitter1"));
    for (const char* pane : {"Picture3", "Picture2"}) {
        auto* frame = new QFrame(SSSplitter1);
        frame->setObjectName(QString::fromLatin1(pane));
        frame->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    }
    SSSplitter1->setSizes({1680, 6375});
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(SSSplitter1);
    resizeTwips(8100, 6120);
}

void frm_zelk_main::init(std::int32_t hdbc, const QString& systemname, const QString& maintable,
                         const QString& classname, const QString& username) {
    hdbc_ = hdbc;
    SystemName = systemname;
    MainTable = maintable;
    ClassName = classname;
    UserName = username;
    gSystemName = SystemName;
    gMainTable = MainTable;
}

void frm_zelk_main::SetReportPath(const QString& path) {
    ReportPath = path;
}

}  // namespace zelk
