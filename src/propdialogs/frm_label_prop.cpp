#include "propdialogs/frm_label_prop.h"

namespace zelk {

frm_label_prop::frm_label_prop(QWidget* parent) : Form(parent) {
    setObjectName(QStringLiteral("frm_label_prop"));
    setWindowTitle(QStringLiteral("属性"));
}

}  // namespace zelk
