#include "propdialogs/frm_field_new.h"

namespace zelk {

frm_field_new::frm_field_new(QWidget* parent) : Form(parent) {
    setObjectName(QStringLiteral("frm_field_new"));
    setWindowTitle(QStringLiteral("增加栏目"));
}

void frm_field_new::init(std::int32_t hdbcValue, const QString& systemName,
                         const QString& mainTable, std::int32_t fid, std::int16_t kind) {
    hdbc = hdbcValue;
    SystemName = systemName;
    MainTable = mainTable;
    InterfaceId = fid;
    InterfaceKind = kind;
    Cancelled = true;
    NewItemId = 0;
}

}  // namespace zelk
