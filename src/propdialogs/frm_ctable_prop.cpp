#include "propdialogs/frm_ctable_prop.h"

namespace zelk {

frm_ctable_prop::frm_ctable_prop(QWidget* parent) : Form(parent) {
    setObjectName(QStringLiteral("frm_ctable_prop"));
    setWindowTitle(QStringLiteral("属性"));
}

}  // namespace zelk
