#include "designer/frm_zelk_jssj.h"

#include "propdialogs/frm_memo_prop.h"
#include "propdialogs/frm_mmx_prop.h"
#include "propdialogs/frm_text_prop.h"

namespace zelk {

frm_zelk_jssj::frm_zelk_jssj(QWidget* parent) : ItemDesigner<IJSTRecord>(parent) {
    setObjectName(QStringLiteral("frm_zelk_jssj"));
}

void frm_zelk_jssj::openPropertyDialog(const QString& arrayName) {
    if (openSharedPropertyDialog(arrayName)) return;
    if (arrayName == QLatin1String("MemoBoxArray"))
        showHeld<frm_memo_prop>(pf5, [this](QString& id) { pf5_NeedHelp(id); });
    else if (arrayName == QLatin1String("MMXArray"))
        showHeld<frm_mmx_prop>(pf6, [this](QString& id) { pf6_NeedHelp(id); });
    else if (arrayName == QLatin1String("TextBoxArray"))
        showHeld<frm_text_prop>(pf7, [this](QString& id) { pf7_NeedHelp(id); });
}

}  // namespace zelk
