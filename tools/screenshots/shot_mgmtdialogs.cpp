#include "component/fixedfield.h"
#include "dataaccess/demodata.h"
#include "dataaccess/dravix.h"
#include "management/frm_zelk_flmb.h"
#include "management/frm_zelk_kjlx.h"
#include "management/frm_zelk_zbfl.h"
#include "management/suite/suitecomponents.h"
#include "propdialogs/frm_field_new.h"
#include "propdialogs/frm_zelk_jmsx.h"
#include "screenshots.h"

namespace {

using namespace zelk;

// Numbers of the demo interfaces by kind code, and the item of a bound column.
std::int32_t interfaceOfKind(std::int32_t hdbc, const char* kind) {
    const std::int32_t stmt =
        sysINDTPrepareGetData(hdbc, demo::kSystem, demo::kMainTable, demo::kClass);
    INDTRecord row;
    std::int32_t found = 0;
    while (stmt > 0 && sysINDTGetRecord(stmt, row) > 0)
        if (found == 0 && fieldText(row.id05) == QLatin1String(kind)) found = row.id00;
    return found;
}

std::int32_t itemBoundTo(std::int32_t hdbc, std::int32_t fid, const QString& column) {
    const std::int32_t stmt = sysISITPrepareGetData(hdbc, fid);
    ISITRecord row;
    std::int32_t found = 0;
    while (stmt > 0 && sysISITGetRecord(stmt, row) > 0)
        if (found == 0 && fieldText(row.ii02) == column) found = row.ii00;
    return found;
}

}  // namespace

// The demo class template in edit mode, one template row selected.
ZELK_SCREENSHOT("frm_zelk_flmb", [](shots::ShotContext& ctx) {
    frm_zelk_flmb form;
    form.Text1->setText(QStringLiteral("[发文]分类模板"));
    form.Text2->setText(QStringLiteral("发文类公文的字段"));
    form.init(ctx.hdbc, demo::kSystem, demo::kMainTable, demo::kClass,
              interfaceOfKind(ctx.hdbc, "5"));
    if (ListItem* row = form.DSNListView->Item(3)) form.DSNListView->SetSelectedItem(row);
    form.show();
    ctx.save(&form, "frm_zelk_flmb");
    form.forceUnload();
});

ZELK_SCREENSHOT("frm_field_new", [](shots::ShotContext& ctx) {
    frm_field_new form;
    form.init(ctx.hdbc, demo::kSystem, demo::kMainTable, interfaceOfKind(ctx.hdbc, "1"), 1);
    form.Combo1->setCurrentIndex(0);
    form.Combo2->setCurrentIndex(1);
    form.show();
    ctx.save(&form, "frm_field_new");
    form.forceUnload();
});

ZELK_SCREENSHOT("frm_zelk_jmsx", [](shots::ShotContext& ctx) {
    frm_zelk_jmsx form;
    form.init(ctx.hdbc, interfaceOfKind(ctx.hdbc, "1"), demo::kSystem);
    form.Combo2->setCurrentIndex(0);
    form.show();
    for (int page = 0; page < 3; ++page) {
        form.SSTab1->SetTab(page);
        ctx.save(&form, QStringLiteral("frm_zelk_jmsx_%1").arg(page + 1));
    }
    form.forceUnload();
});

ZELK_SCREENSHOT("frm_zelk_kjlx", [](shots::ShotContext& ctx) {
    frm_zelk_kjlx form;
    form.init(ctx.hdbc, itemBoundTo(ctx.hdbc, interfaceOfKind(ctx.hdbc, "1"), "mj"), 0);
    form.Combo1->setCurrentIndex(5);
    form.show();
    ctx.save(&form, "frm_zelk_kjlx");
    form.forceUnload();
});

ZELK_SCREENSHOT("frm_zelk_zbfl", [](shots::ShotContext& ctx) {
    frm_zelk_zbfl form;
    form.init(ctx.hdbc, demo::kSystem, demo::kMainTable, demo::kAdminUser,
              itemBoundTo(ctx.hdbc, interfaceOfKind(ctx.hdbc, "1"), "fj"));
    form.show();
    ctx.save(&form, "frm_zelk_zbfl");
    form.forceUnload();
});

// The three outside stand-ins as the manager's commands leave them.
ZELK_SCREENSHOT("frm_suite_component", [](shots::ShotContext& ctx) {
    const QString h = QString::number(ctx.hdbc);
    const std::pair<const char*, QStringList> shots[] = {
        {"report_generator",
         {"Init(Long " + h +
              ", String \"协同办公\", String \"GWGL\", String \"张明\", String \"发文\", Long 0, "
              "String \"\", String \"报表库\")",
          "SetInterfaceName(String \"发文浏览\")", "CreateFromList(Long 7)",
          "Show(Boolean True, Long 0)"}},
        {"arrangement_settings",
         {"Init(Long " + h +
              ", String \"GWGL\", String \"协同办公\", String \"张明\", String \"发文\", String "
              "\"mj\")",
          "Show(Boolean True, Long 0)"}},
        {"hint_settings",
         {"Init(Long " + h +
              ", Long 0, String \"GWGL\", String \"协同办公\", String \"张明\", String \"发文\", "
              "String \"mj\")",
          "Show(Boolean True, Long 0)"}},
    };
    const QString captions[] = {QStringLiteral("报表生成器"), QStringLiteral("到排数据设置"),
                                QStringLiteral("提示设置")};
    int i = 0;
    for (const auto& [name, calls] : shots) {
        frm_suite_component form(captions[i++], calls);
        form.show();
        ctx.save(&form, QString::fromLatin1(name));
        form.forceUnload();
    }
});
