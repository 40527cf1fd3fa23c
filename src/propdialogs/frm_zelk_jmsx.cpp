#include "propdialogs/frm_zelk_jmsx.h"

namespace zelk {

frm_zelk_jmsx::frm_zelk_jmsx(QWidget* parent) : Form(parent) {
    setObjectName(QStringLiteral("frm_zelk_jmsx"));
    setWindowTitle(QStringLiteral("界面属性"));
    Command1 = new QPushButton(QStringLiteral("确定"), this);
    Command2 = new QPushButton(QStringLiteral("取消"), this);
    Command2->move(Command1->sizeHint().width() + 8, 0);
}

void frm_zelk_jmsx::init(std::int32_t hdbcValue, std::int32_t interfaceId,
                         const QString& systemName) {
    hdbc = hdbcValue;
    InterfaceId = interfaceId;
    SystemName = systemName;
    EditCancelled = true;
}

}  // namespace zelk
