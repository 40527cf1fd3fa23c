#include "propdialogs/frm_text_prop.h"

namespace zelk {

frm_text_prop::frm_text_prop(QWidget* parent) : Form(parent) {
    setObjectName(QStringLiteral("frm_text_prop"));
    setWindowTitle(QStringLiteral("属性"));
}

}  // namespace zelk
