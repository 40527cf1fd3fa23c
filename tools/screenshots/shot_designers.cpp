#include "dataaccess/demodata.h"
#include "designer/frm_zelk_jmsj.h"
#include "designer/frm_zelk_jssj.h"
#include "designer/showdesigner.h"
#include "screenshots.h"

namespace {

template <class Designer>
void shootDesigner(zelk::shots::ShotContext& ctx, zelk::DesignerKind kind, const char* name) {
    const std::int32_t fid = zelk::defaultInterfaceNumber(
        kind, ctx.hdbc, zelk::demo::kSystem, zelk::demo::kMainTable, zelk::demo::kClass);
    Designer form;
    form.init(ctx.hdbc, fid);
    form.resize(1100, 720);
    form.show();
    // The first item made current, as a click in the field tree would.
    if (zelk::Node* root = form.fieldTreeRoot())
        if (root->childCount() > 1)
            form.TreeView1_NodeClick(static_cast<zelk::Node*>(root->child(1)));
    ctx.save(&form, QString::fromLatin1(name));
    form.forceUnload();
}

}  // namespace

ZELK_SCREENSHOT("frm_zelk_jmsj", [](zelk::shots::ShotContext& ctx) {
    shootDesigner<zelk::frm_zelk_jmsj>(ctx, zelk::DesignerKind::ItemEntry, "frm_zelk_jmsj");
});

ZELK_SCREENSHOT("frm_zelk_jssj", [](zelk::shots::ShotContext& ctx) {
    shootDesigner<zelk::frm_zelk_jssj>(ctx, zelk::DesignerKind::ItemSearch, "frm_zelk_jssj");
});
