#include "propdialogs/frm_check_prop.h"

namespace zelk {

frm_check_prop::frm_check_prop(QWidget* parent) : Form(parent) {
    setObjectName(QStringLiteral("frm_check_prop"));
    setWindowTitle(QStringLiteral("属性"));
}

}  // namespace zelk
