#include "wizard/frm_zelk_jmxd.h"

namespace zelk {

frm_zelk_jmxd::frm_zelk_jmxd(QWidget* parent) : Form(parent) {
    setObjectName(QStringLiteral("frm_zelk_jmxd"));
    setWindowTitle(QStringLiteral("用户界面向导"));
}

void frm_zelk_jmxd::init(std::int32_t hdbcValue, const QString& systemname,
                         const QString& maintable, const QString& classname,
                         const QString& username) {
    hdbc = hdbcValue;
    SystemName = systemname;
    MainTable = maintable;
    ClassName = classname;
    UserName = username;
}

}  // namespace zelk
