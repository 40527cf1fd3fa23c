#include "dataaccess/demodata.h"
#include "screenshots.h"
#include "wizard/frm_zelk_jmxd.h"

// The five steps of the wizard for the demo class, its template and some of its fields chosen.
ZELK_SCREENSHOT("frm_zelk_jmxd", [](zelk::shots::ShotContext& ctx) {
    using namespace zelk;
    frm_zelk_jmxd form;
    form.init(ctx.hdbc, demo::kSystem, demo::kMainTable, demo::kClass, demo::kAdminUser);
    form.TextBox1->setText(QStringLiteral("发文办理单"));
    form.Text5->setPlainText(QStringLiteral("发文的登记、核稿和签发"));
    form.show();
    ctx.save(&form, "frm_zelk_jmxd-step0");
    form.Command9_Click();
    if (ListItem* first = form.ListView1->Item(1)) form.ListView1->SetSelectedItem(first);
    ctx.save(&form, "frm_zelk_jmxd-step1");
    form.CommandButton6_Click();
    for (const char* caption : {"标题", "文号", "发文日期", "密级", "紧急程度", "拟稿人", "附件"}) {
        if (ListItem* row = form.ListViewSrc->FindItem(QString::fromUtf8(caption))) {
            form.ListViewSrc->SetSelectedItem(row);
            form.SelectOneField();
        }
    }
    if (ListItem* row = form.ListViewDsn->Item(2)) form.ListViewDsn->SetSelectedItem(row);
    ctx.save(&form, "frm_zelk_jmxd-step2");
    form.Command16_Click();
    ctx.save(&form, "frm_zelk_jmxd-step3");
    form.Command13_Click();
    ctx.save(&form, "frm_zelk_jmxd-step4");
    form.forceUnload();

    // A class without a class template: the template step says why it cannot go on.
    frm_zelk_jmxd bare;
    bare.init(ctx.hdbc, demo::kSystem, demo::kMainTable, QStringLiteral("收文"), demo::kAdminUser);
    bare.TextBox1->setText(QStringLiteral("收文办理单"));
    bare.show();
    bare.Command9_Click();
    ctx.save(&bare, "frm_zelk_jmxd-notemplate");
    bare.forceUnload();
});
