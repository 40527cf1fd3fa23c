#include "dataaccess/demodata.h"
#include "management/frm_zelk_ljgl.h"
#include "management/frm_zelk_main.h"
#include "management/interfacedata.h"
#include "screenshots.h"

namespace {

void selectDefaultEntryForm(zelk::frm_zelk_ljgl& manager) {
    for (int i = 1; i <= manager.lvw_IM->Count(); ++i) {
        zelk::ListItem* row = manager.lvw_IM->Item(i);
        if (row->SubItems(2) == QStringLiteral("录入条目") &&
            row->ForeColor() == zelk::kDefaultRowColor) {
            manager.lvw_IM->SetSelectedItem(row);
            return;
        }
    }
}

}  // namespace

ZELK_SCREENSHOT("frm_zelk_main", [](zelk::shots::ShotContext& ctx) {
    {
        zelk::frm_zelk_main window;
        window.init(ctx.hdbc, zelk::demo::kSystem, zelk::demo::kMainTable, zelk::demo::kClass,
                    zelk::demo::kAdminUser);
        // As the host shows it standalone.
        window.FitStandalone();
        window.show();
        if (window.ljgl()) selectDefaultEntryForm(*window.ljgl());
        ctx.save(&window, "frm_zelk_main");
        window.forceUnload();
    }
    {
        zelk::frm_zelk_main window;
        window.init(ctx.hdbc, zelk::demo::kSystem, zelk::demo::kMainTable, QString(),
                    zelk::demo::kUser);
        window.show();
        ctx.save(&window, "frm_zelk_main_nonadmin");
        window.forceUnload();
    }
});
