#include "propdialogs/frm_memo_prop.h"

namespace zelk {

frm_memo_prop::frm_memo_prop(QWidget* parent) : Form(parent) {
    setObjectName(QStringLiteral("frm_memo_prop"));
    setWindowTitle(QStringLiteral("属性"));
}

}  // namespace zelk
