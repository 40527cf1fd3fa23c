#include "propdialogs/frm_date_prop.h"

namespace zelk {

frm_date_prop::frm_date_prop(QWidget* parent) : Form(parent) {
    setObjectName(QStringLiteral("frm_date_prop"));
    setWindowTitle(QStringLiteral("属性"));
}

}  // namespace zelk
