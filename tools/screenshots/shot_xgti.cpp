#include "designer/frm_zelk_xgti.h"
#include "screenshots.h"

ZELK_SCREENSHOT("frm_zelk_xgti", [](zelk::shots::ShotContext& ctx) {
    zelk::frm_zelk_xgti form;
    form.show();
    ctx.save(&form, "frm_zelk_xgti");
    form.forceUnload();
});
