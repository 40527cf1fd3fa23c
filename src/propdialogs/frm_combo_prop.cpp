#include "propdialogs/frm_combo_prop.h"

namespace zelk {

frm_combo_prop::frm_combo_prop(QWidget* parent) : Form(parent) {
    setObjectName(QStringLiteral("frm_combo_prop"));
    setWindowTitle(QStringLiteral("属性"));
}

}  // namespace zelk
