#include "propdialogs/frm_list_prop.h"

namespace zelk {

frm_list_prop::frm_list_prop(QWidget* parent) : Form(parent) {
    setObjectName(QStringLiteral("frm_list_prop"));
    setWindowTitle(QStringLiteral("属性"));
}

}  // namespace zelk
