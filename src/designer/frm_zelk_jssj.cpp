#include "designer/frm_zelk_jssj.h"

namespace zelk {

frm_zelk_jssj::frm_zelk_jssj(QWidget* parent) : ItemDesigner<IJSTRecord>(parent) {
    setObjectName(QStringLiteral("frm_zelk_jssj"));
}

}  // namespace zelk
