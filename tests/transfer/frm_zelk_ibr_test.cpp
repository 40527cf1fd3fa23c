// The transfer window on the demo data: class lists, the export list, browsing, the two runs
// through their buttons, and a run paused in the event pump (the stopped export leaving no file is
// the export routine's).

#include <gtest/gtest.h>

#include <QTabBar>
#include <QTemporaryDir>
#include <QTimer>

#include "component/fixedfield.h"
#include "dataaccess/demodata.h"
#include "dataaccess/dravix.h"
#include "platform/promptscript.h"
#include "platform/settings.h"
#include "support/cuttexts.h"
#include "support/filedialogs.h"
#include "support/refusal.h"
#include "support/reporttexts.h"
#include "support/testdb.h"
#include "transfer/frm_zelk_ibr.h"
#include "transfer_support.h"

namespace zelk {
namespace {

class TransferWindow : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(db.ok()) << db.error().toStdString();
        form.init(db.hdbc(), demo::kSystem, demo::kMainTable, demo::kAdminUser, demo::kClass);
        form.show();
        path = dir.filePath(QStringLiteral("导出.idf"));
    }
    void TearDown() override { form.forceUnload(); }

    QStringList ticked(ReportView* list) {
        QStringList all;
        for (int i = 1; i <= list->Count(); ++i)
            if (list->Item(i)->Checked()) all << list->Item(i)->Text();
        return all;
    }
    void tickAll(ReportView* list) {
        for (int i = 1; i <= list->Count(); ++i) list->Item(i)->SetChecked(true);
    }
    // Exports every interface of the current class through the page.
    void exportAll() {
        tickAll(form.ListView1);
        form.ComboBox3->setEditText(path);
        ASSERT_TRUE(form.Command2->isEnabled());
        form.Command2_Click();
        ASSERT_EQ(form.lbInfo->text(), QStringLiteral("转出完毕"));
    }
    void openPackage() {
        PromptScript script;
        script.chooseFile(path);
        form.Command9_Click();
    }

    test::TestDb db{test::TestBackend::SQLite, true};
    frm_zelk_ibr form;
    QTemporaryDir dir;
    QString path;
};

TEST_F(TransferWindow, OpensOnTheCurrentClass) {
    const QStringList classes = test::rowTexts(*form.ListView_In);
    ASSERT_GE(classes.size(), 3);
    EXPECT_EQ(classes.front(), demo::kSystem);
    EXPECT_EQ(ticked(form.ListView_In), QStringList{demo::kClass});
    EXPECT_EQ(ticked(form.ListView_Out), QStringList{demo::kClass});
    EXPECT_TRUE(test::rowTexts(*form.ListView1).contains(QStringLiteral("发文登记")));
    EXPECT_FALSE(test::rowTexts(*form.ListView1).contains(QStringLiteral("公文管理系统模板")));
    EXPECT_FALSE(form.Command2->isEnabled());

    // Ticking the root row appends the main table's own interfaces; unticking rebuilds.
    const int before = form.ListView1->Count();
    form.ListView_In->Item(1)->SetChecked(true);
    form.ListView_In_ItemCheck(form.ListView_In->Item(1));
    EXPECT_TRUE(test::rowTexts(*form.ListView1).contains(QStringLiteral("公文管理系统模板")));
    form.ListView1->Item(1)->SetChecked(true);
    form.ListView_In->Item(1)->SetChecked(false);
    form.ListView_In_ItemCheck(form.ListView_In->Item(1));
    EXPECT_EQ(form.ListView1->Count(), before);
    EXPECT_TRUE(ticked(form.ListView1).isEmpty());
}

TEST_F(TransferWindow, ListsOnlyKindsAPackageCanCarry) {
    INDTRecord odd;
    setField(odd.id01, demo::kMainTable);
    setField(odd.id02, demo::kClass);
    setField(odd.id03, QStringLiteral("怪类型"));
    setField(odd.id05, QStringLiteral("9"));
    setField(odd.id09, demo::kSystem);
    ASSERT_GT(sysINDTInsertRecord(db.hdbc(), odd), 0);
    form.ListView1->Clear();
    form.LoadClassInterfaces(demo::kMainTable, demo::kClass, demo::kSystem);
    EXPECT_FALSE(test::rowTexts(*form.ListView1).contains(QStringLiteral("怪类型")));
    EXPECT_GT(form.ListView1->Count(), 0);
}

TEST_F(TransferWindow, ExportsAndImportsThroughThePages) {
    exportAll();

    // A cancelled dialog does nothing, although it still holds the last name.
    {
        PromptScript script;
        script.cancelDialog();
        form.Command9_Click();
        EXPECT_EQ(form.ListView4->Count(), 0);
        EXPECT_EQ(form.ComboBox4->count(), 0);
    }
    openPackage();
    EXPECT_EQ(form.ListView5->Item(4)->SubItems(1), demo::kAdminUser);
    ASSERT_EQ(form.ListView4->Count(), form.ListView1->Count());

    // The import button follows the ticks at each click on the list.
    form.ListView4_Click();
    EXPECT_FALSE(form.Command11->isEnabled());
    form.ListView4->Item(2)->SetChecked(true);  // 发文登记
    form.ListView4_Click();
    EXPECT_TRUE(form.Command11->isEnabled());
    // Typing another name after reading changes nothing: the lists' own file is imported.
    form.ComboBox4->setEditText(dir.filePath("other.idf"));
    {
        PromptScript script;
        script.answer(vbOK);  // the class template question
        form.ListView4->Item(1)->SetChecked(true);
        form.Command11_Click();
    }
    // The class keeps its own default item-entry form: the copy comes in as an ordinary one.
    EXPECT_EQ(form.Label13->text(),
              QStringLiteral("转入结束，其中1个界面因分类中已有同类默认界面而作为非默认界面转入"));
    EXPECT_GT(sysINDTGetInterfaceByName(db.hdbc(), demo::kMainTable, demo::kSystem, demo::kClass,
                                        QStringLiteral("发文登记")),
              0);

    // A package changed after it was listed is refused before anything is written.
    ASSERT_TRUE(transfertest::writeFile(path, "junk\r\n", QIODevice::Append));
    const std::int32_t count = GetRecordsetCount(db.hdbc(), "select id00 from indt");
    PromptScript script;
    script.answer(vbOK);
    form.Command11_Click();
    ASSERT_EQ(script.prompts().size(), 1u);
    EXPECT_TRUE(
        script.prompts()[0].text.startsWith(QStringLiteral("数据导入时发生错误，操作终止！\n第 ")));
    EXPECT_EQ(script.prompts()[0].style, vbOKOnly | vbExclamation);
    EXPECT_EQ(GetRecordsetCount(db.hdbc(), "select id00 from indt"), count);
}

TEST_F(TransferWindow, RefusedBeginOrCommitIsAFailedImport) {
    exportAll();
    openPackage();
    form.ListView4->Item(2)->SetChecked(true);  // 发文登记
    form.ListView4_Click();
    const std::int32_t count = GetRecordsetCount(db.hdbc(), "select id00 from indt");
    for (const test::TxnRefusal what : test::kTxnRefusals) {
        SCOPED_TRACE(testing::PrintToString(what));
        form.Label13->setText(QString());
        PromptScript script;
        script.answer(vbOK);
        test::whileRefused(what, db.hdbc(), test::TestBackend::SQLite, "indt",
                           [&] { form.Command11_Click(); });
        ASSERT_EQ(script.prompts().size(), 1u);
        EXPECT_TRUE(
            script.prompts()[0].text.startsWith(QStringLiteral("数据导入时发生错误，操作终止！")));
        EXPECT_NE(form.Label13->text(), QStringLiteral("转入结束"));
        EXPECT_EQ(GetRecordsetCount(db.hdbc(), "select id00 from indt"), count);
    }
}

// Export browses with a save dialog; both dialogs then start where the last package went, in
// this window and in the next.
TEST_F(TransferWindow, PackageDialogsAreTitledAndStartInTheLastFolderUsed) {
    {
        PromptScript script;
        script.chooseFile(path);
        form.Command6_Click();
        ASSERT_EQ(script.prompts().size(), 1u);
        EXPECT_EQ(script.prompts()[0].kind, PromptKind::SaveFile);
        EXPECT_EQ(script.prompts()[0].title, QStringLiteral("导出界面包"));
    }
    EXPECT_EQ(form.ComboBox3->currentText(), path);
    EXPECT_TRUE(form.Command2->isEnabled());

    frm_zelk_ibr next;
    next.init(db.hdbc(), demo::kSystem, demo::kMainTable, demo::kAdminUser, demo::kClass);
    PromptScript script;
    script.cancelDialog();
    next.Command9_Click();
    ASSERT_EQ(script.prompts().size(), 1u);
    EXPECT_EQ(script.prompts()[0].kind, PromptKind::OpenFile);
    EXPECT_EQ(script.prompts()[0].title, QStringLiteral("打开界面包"));
    EXPECT_EQ(next.dlg.InitDir, dir.path());
    next.forceUnload();
}

// Fault mended: the information list cut its values ("协同办公"). Once a package is read they
// show whole, as do the destination classes, and the package list keeps its names in view.
TEST_F(TransferWindow, ImportPageShowsItsTextsWhole) {
    exportAll();
    form.SSTab2->SetTab(1);
    openPackage();
    ASSERT_EQ(form.ListView5->Item(1)->SubItems(1), demo::kSystem);
    EXPECT_EQ(test::cutTexts(*form.ListView5), QStringList());
    EXPECT_EQ(test::cutTexts(*form.ListView_Out), QStringList());
    ASSERT_GT(form.ListView4->Count(), 0);
    for (int i = 1; i <= form.ListView4->Count(); ++i) {
        const QRect name = form.ListView4->visualItemRect(form.ListView4->Item(i));
        EXPECT_LE(name.left() + form.ListView4->columnWidth(0),
                  form.ListView4->viewport()->width());
    }
    // Its caption stays above it.
    EXPECT_GE(form.Label9->x(), form.SSSplitter1->x() + form.ListView4->x());
}

// Fault mended: the status after an import into a class that has its defaults lost its last
// character under the "导入" button. It shows whole in the window's font and in a larger one, as
// a desktop may set (the parameter: its pixel size, 0 for the window's own).
class ImportStatus : public TransferWindow, public ::testing::WithParamInterface<int> {};

TEST_P(ImportStatus, ShowsWhole) {
    if (GetParam() > 0) {
        QFont larger = form.font();
        larger.setPixelSize(GetParam());
        form.setFont(larger);
    }
    exportAll();
    form.SSTab2->SetTab(1);
    openPackage();
    tickAll(form.ListView4);
    form.ListView4_Click();
    PromptScript script;
    script.answer(vbOK);  // the class template question
    form.Command11_Click();
    EXPECT_EQ(form.Label13->text(),
              QStringLiteral("转入结束，其中4个界面因分类中已有同类默认界面而作为非默认界面转入"));
    EXPECT_EQ(test::cutTexts(*form.Label13), QStringList());
}

INSTANTIATE_TEST_SUITE_P(Fonts, ImportStatus, ::testing::Values(0, 16));

TEST_F(TransferWindow, RefusedPackageLeavesThePageAsItWas) {
    exportAll();
    openPackage();
    const int rows = form.ListView4->Count();
    const QString other = dir.filePath("bad.idf");
    ASSERT_TRUE(transfertest::writeFile(other, "not a package\r\n"));
    PromptScript script;
    script.chooseFile(other).answer(vbOK);
    form.Command9_Click();
    EXPECT_TRUE(
        script.prompts()[1].text.startsWith(QStringLiteral("非界面数据包文件,或文件被破坏!")));
    EXPECT_EQ(form.ListView4->Count(), rows);
    EXPECT_EQ(form.PackagePath, path);
    EXPECT_EQ(form.ListView5->Item(1)->SubItems(1), demo::kSystem);
    // With no package listed the refusal is still the one message.
    form.ListView4->Clear();
    PromptScript again;
    again.chooseFile(other).answer(vbOK);
    form.Command9_Click();
    ASSERT_EQ(again.prompts().size(), 2u);
    EXPECT_TRUE(again.prompts()[1].text.startsWith(QStringLiteral("非界面数据包文件")));
}

// Fault mended: the browse dialog reopened on the first file type whatever the person had picked.
// It reopens on the type and the name last chosen.
TEST_F(TransferWindow, BrowseDialogKeepsTheFileTypePicked) {
    SaveSetting(kSettingsApplication, QStringLiteral("COMMON"), QStringLiteral("packagepath"),
                dir.path());
    test::PersonsDialogs person;
    test::onFileDialog([](QFileDialog& dialog) {
        test::pickFileType(dialog, 1);  // 所有文件 (*.*)
        test::typeFileName(dialog, QStringLiteral("all.idf"));
    });
    form.Command6_Click();
    ASSERT_EQ(form.ComboBox3->currentText(), dir.filePath(QStringLiteral("all.idf")));
    QString shown, name;
    test::onFileDialog([&](QFileDialog& dialog) {
        shown = test::fileTypes(dialog)->currentText();
        name = dialog.findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))->text();
        test::typeFileName(dialog, QStringLiteral("again.idf"));
    });
    form.Command6_Click();
    EXPECT_EQ(shown, QStringLiteral("所有文件 (*.*)"));
    EXPECT_EQ(name, QStringLiteral("all.idf"));  // not given the type's "*" suffix
    EXPECT_EQ(form.dlg.FilterIndex, 2);
    EXPECT_EQ(form.ComboBox3->currentText(), dir.filePath(QStringLiteral("again.idf")));
}

TEST_F(TransferWindow, RunPausedInTheEventPumpCannotBeDisturbed) {
    exportAll();
    openPackage();
    form.SSTab2->SetTab(1);
    tickAll(form.ListView4);
    form.ListView4_Click();
    bool checked = false;
    QTimer::singleShot(0, &form, [&] {
        checked = true;
        EXPECT_TRUE(form.isRunning());
        for (QWidget* w :
             std::initializer_list<QWidget*>{form.Command3, form.SSTab2->tabBar(), form.ListView4,
                                             form.ListView_Out, form.Command9, form.Command2})
            EXPECT_FALSE(w->isEnabled()) << w->objectName().toStdString();
        EXPECT_TRUE(form.Command12->isVisible() && form.Command12->isEnabled());
        form.Command11_Click();  // a second start is ignored
        form.close();            // the close box asks the run to stop
        EXPECT_TRUE(form.isVisible());
    });
    PromptScript script;
    script.answer(vbOK).answer(vbOK);  // the class template question, then stop: OK
    form.Command11_Click();
    EXPECT_TRUE(checked);
    ASSERT_FALSE(script.prompts().empty());
    EXPECT_EQ(script.prompts().back().text, QStringLiteral("要终止转入操作吗？"));
    script.finish();
    EXPECT_EQ(form.Label13->text(), QStringLiteral("操作被终止"));
    EXPECT_FALSE(form.isRunning());
    EXPECT_TRUE(form.Command3->isEnabled());
    EXPECT_TRUE(form.SSTab2->tabBar()->isEnabled());
    EXPECT_TRUE(form.isVisible());
}

}  // namespace
}  // namespace zelk
