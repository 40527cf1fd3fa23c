#include "dataaccess/demodata.h"
#include "dataaccess/dravix.h"
#include "listdesigner/columnpicker.h"
#include "listdesigner/frm_zelk_lbsj.h"
#include "screenshots.h"

namespace {

// The demo interface of that kind code ("2" list entry, "4" browse list).
std::int32_t demoInterface(std::int32_t hdbc, const char* kind) {
    const std::int32_t hstmt = zelk::sysBufferTablePrepareGetData(
        hdbc, QStringLiteral("select id00 from indt where id05 = %1")
                  .arg(zelk::sqlQuote(QString::fromLatin1(kind))));
    QString number;
    if (zelk::sysBufferTableGetRecord(hstmt) > 0) zelk::sysBufferTableGetData(hstmt, 1, number);
    zelk::odbc_FreeStmtHandle(hstmt);
    return number.toInt();
}

template <class Picker>
void shootPicker(zelk::shots::ShotContext& ctx, const char* kind, const char* name) {
    Picker form;
    form.init(ctx.hdbc, zelk::demo::kSystem, zelk::demo::kMainTable, zelk::demo::kClass,
              demoInterface(ctx.hdbc, kind));
    form.SRCListView->SetSelectedItem(form.SRCListView->Item(1));
    form.DSNListView->SetSelectedItem(form.DSNListView->Item(2));
    form.show();
    ctx.save(&form, QString::fromLatin1(name));
    form.forceUnload();
}

}  // namespace

ZELK_SCREENSHOT("frm_zelk_lbsj", [](zelk::shots::ShotContext& ctx) {
    zelk::frm_zelk_lbsj form;
    form.init(ctx.hdbc, demoInterface(ctx.hdbc, "2"), QStringLiteral("录入列表"));
    form.ListView1_ColumnClick(form.ListView1->Column(2));
    form.show();
    ctx.save(&form, "frm_zelk_lbsj");
    form.forceUnload();
});

ZELK_SCREENSHOT("frm_zelk_ilit", [](zelk::shots::ShotContext& ctx) {
    shootPicker<zelk::frm_zelk_ilit>(ctx, "2", "frm_zelk_ilit");
});

ZELK_SCREENSHOT("frm_zelk_ilst", [](zelk::shots::ShotContext& ctx) {
    shootPicker<zelk::frm_zelk_ilst>(ctx, "4", "frm_zelk_ilst");
});
