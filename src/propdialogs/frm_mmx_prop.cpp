#include "propdialogs/frm_mmx_prop.h"

namespace zelk {

frm_mmx_prop::frm_mmx_prop(QWidget* parent) : Form(parent) {
    setObjectName(QStringLiteral("frm_mmx_prop"));
    setWindowTitle(QStringLiteral("属性"));
}

}  // namespace zelk
