#include <QDir>

#include "dataaccess/demodata.h"
#include "platform/promptscript.h"
#include "screenshots.h"
#include "transfer/frm_zelk_ibr.h"

ZELK_SCREENSHOT("frm_zelk_ibr", [](zelk::shots::ShotContext& ctx) {
    zelk::frm_zelk_ibr form;
    form.init(ctx.hdbc, zelk::demo::kSystem, zelk::demo::kMainTable, zelk::demo::kAdminUser,
              zelk::demo::kClass);
    form.show();
    // Export page: the current class's interfaces listed, two of them ticked.
    for (int i = 1; i <= form.ListView1->Count() && i <= 2; ++i)
        form.ListView1->Item(i)->SetChecked(true);
    const QString package = QDir(ctx.outputFolder).filePath("frm_zelk_ibr-demo.idf");
    form.ComboBox3->setEditText(package);
    ctx.save(&form, "frm_zelk_ibr-export");

    // Import page: the package of every interface of the class, read.
    for (int i = 1; i <= form.ListView1->Count(); ++i) form.ListView1->Item(i)->SetChecked(true);
    form.Command2_Click();
    form.SSTab2->SetTab(1);
    {
        zelk::PromptScript script;
        script.chooseFile(package);
        form.Command9_Click();
    }
    for (int i = 1; i <= form.ListView4->Count() && i <= 3; ++i)
        form.ListView4->Item(i)->SetChecked(true);
    form.ListView4_Click();
    ctx.save(&form, "frm_zelk_ibr-import");

    // The package imported into its own class, which has its defaults: the status says how many
    // came in as ordinary interfaces.
    for (int i = 1; i <= form.ListView4->Count(); ++i) form.ListView4->Item(i)->SetChecked(true);
    form.ListView4_Click();
    {
        zelk::PromptScript script;
        script.answer(zelk::vbOK);  // the class template question
        form.Command11_Click();
    }
    QFile::remove(package);
    ctx.save(&form, "frm_zelk_ibr-imported");
    form.forceUnload();
});
