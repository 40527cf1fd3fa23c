#include "transfer/frm_zelk_ibr.h"

namespace zelk {

frm_zelk_ibr::frm_zelk_ibr(QWidget* parent) : Form(parent) {
    setObjectName(QStringLiteral("frm_zelk_ibr"));
    setWindowTitle(QStringLiteral("界面数据导入/导出"));
}

void frm_zelk_ibr::init(std::int32_t hdbcValue, const QString& systemname, const QString& maintable,
                        const QString& username, const QString& classname) {
    hdbc = hdbcValue;
    SystemName = systemname;
    MainTable = maintable;
    UserName = username;
    ClassName = classname;
}

}  // namespace zelk
