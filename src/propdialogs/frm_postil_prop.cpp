#include "propdialogs/frm_postil_prop.h"

namespace zelk {

frm_postil_prop::frm_postil_prop(QWidget* parent) : Form(parent) {
    setObjectName(QStringLiteral("frm_postil_prop"));
    setWindowTitle(QStringLiteral("属性"));
}

}  // namespace zelk
