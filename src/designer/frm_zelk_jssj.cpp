#include "designer/frm_zelk_jssj.h"

#include "propdialogs/frm_memo_prop.h"
#include "propdialogs/frm_mmx_prop.h"
#include "propdialogs/frm_text_prop.h"

namespace zelk {

frm_zelk_jssj::frm_zelk_jssj(QWidget* parent) : ItemDesigner<IJSTRecord>(parent) {
    setObjectName(QStringLiteral("frm_zelk_jssj"));
}

}  // namespace zelk
