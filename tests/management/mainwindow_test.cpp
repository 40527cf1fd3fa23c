// The main window: the permission rule on every path, the tables tree, the class tree, the
// transfer window, help requests and the pane layout.

#include <gtest/gtest.h>
#include <QPointer>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include "component/zelkmodule.h"
#include "dataaccess/demodata.h"
#include "management/frm_zelk_ljgl.h"
#include "management/frm_zelk_main.h"
#include "management/panelrules.h"
#include "management/suite/classtree.h"
#include "management/testrows.h"
#include "platform/promptscript.h"
#include "propdialogs/frm_zelk_jmsx.h"
#include "support/reporttexts.h"
#include "transfer/frm_zelk_ibr.h"
#include "wizard/frm_zelk_jmxd.h"

using namespace zelk;
using namespace zelk::test;

namespace {

class MainWindowTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(db.ok()) << db.error().toStdString();
        window.init(db.hdbc(), demo::kSystem, demo::kMainTable, demo::kClass, demo::kAdminUser);
        ASSERT_TRUE(window.ljgl());
        window.ljgl()->PopupMenu = [](QMenu*) {};
    }
    std::int32_t hdbc() const { return db.hdbc(); }
    std::int32_t numberOf(const QString& name) const { return demoNumber(hdbc(), name); }

    TestDb db{TestBackend::SQLite, true};
    frm_zelk_main window;
    QStringList got;
};

TEST_F(MainWindowTest, BuildsItsTablesTree) {
    EXPECT_EQ(gMainTable, demo::kMainTable);
    EXPECT_EQ(gSystemName, demo::kSystem);
    Node* root = window.TreeView1->Item(1);
    EXPECT_EQ(root->Key(), demo::kMainTable);
    EXPECT_EQ(root->Text(), "公文管理");
    EXPECT_TRUE(root->Expanded());
    QStringList keys;
    for (int i = 1; i <= window.TreeView1->Count(); ++i) keys << window.TreeView1->Item(i)->Key();
    EXPECT_EQ(keys, QStringList({"GWGL", "GWFJ", "GWFJ_x", "GWLZ", "GWLZ_x"}));
    EXPECT_EQ(window.TreeView1->Item("GWFJ_x")->Text(), "1");

    frm_zelk_main other;
    other.init(hdbc(), demo::kSystem, "NOSUCH", QString(), demo::kAdminUser);
    EXPECT_EQ(other.TreeView1->Item(1)->Text(), "未说明主表");
}

TEST_F(MainWindowTest, ChildTablesLoadOnceAndAClickSwitchesTheMainTable) {
    ASSERT_GE(ExecSQL(hdbc(),
                      "insert into systable (td00, td01, td02, td12) values "
                      "(20, 'FJA', '甲', 'GWFJ'), (21, 'FJB', '', 'GWFJ')"),
              0);
    Node* child = window.TreeView1->Item("GWFJ");
    child->SetExpanded(true);
    EXPECT_EQ(child->Tag(), "Expanded");
    EXPECT_EQ(window.TreeView1->Item("FJA")->Text(), "甲");
    EXPECT_EQ(window.TreeView1->Item("FJB")->Text(), "系统子表1");
    EXPECT_TRUE(window.TreeView1->Item("FJB_x"));
    // A second expansion reads nothing again; a third table would otherwise appear.
    ASSERT_GE(ExecSQL(hdbc(),
                      "insert into systable (td00, td01, td02, td12) values "
                      "(22, 'FJC', '丙', 'GWFJ')"),
              0);
    child->SetExpanded(false);
    child->SetExpanded(true);
    EXPECT_EQ(window.TreeView1->Item("FJC"), nullptr);

    QSignalSpy changed(&window, &frm_zelk_main::onMainTableChanged);
    QPointer<frm_zelk_ljgl> old(window.ljgl());
    window.TreeView1_NodeClick(window.TreeView1->Item("GWLZ"));
    ASSERT_EQ(changed.count(), 1);
    EXPECT_EQ(changed.at(0).at(0).toString(), "GWLZ");
    EXPECT_TRUE(old.isNull());
    EXPECT_EQ(window.Picture2->findChildren<frm_zelk_ljgl*>().size(), 1);
    EXPECT_EQ(window.Picture7->findChildren<KeyedTree*>().size(), 1);
    EXPECT_EQ(gMainTable, "GWLZ");
    EXPECT_EQ(window.TreeView1->Item(1)->Key(), demo::kMainTable);
}

TEST_F(MainWindowTest, ClassTreePicksAClassForTheManager) {
    ClassTree* tree = window.tree();
    Node* root = tree->view()->Item(1);
    Node* sub = nullptr;
    for (int i = 1; i <= tree->view()->Count(); ++i)
        if (tree->view()->Item(i)->Text() == "上行文") sub = tree->view()->Item(i);
    ASSERT_TRUE(sub);
    EXPECT_EQ(sub->Parent()->Text(), "发文");
    emit tree->view()->NodeClick(sub);
    EXPECT_EQ(window.ClassName(), "发文/上行文");
    EXPECT_EQ(window.ljgl()->Label1->text(), "类型模板未建立");
    emit tree->view()->NodeClick(root);
    EXPECT_EQ(window.ClassName(), "");
    EXPECT_EQ(window.ljgl()->Label1->text(), "基础模板未建立");
}

// Every guarded command, by every way to it; `open` tells whether the rule lets it run.
void expectGuardedCommands(frm_zelk_main& w, std::int32_t hdbc, bool open,
                           std::int32_t entryNumber) {
    frm_zelk_ljgl& m = *w.ljgl();
    for (int i = 1; i <= 3; ++i) EXPECT_EQ(w.tlb_IM->Button(i)->Enabled(), open) << i;
    EXPECT_TRUE(w.tlb_IM->Button(4)->Enabled());
    EXPECT_TRUE(w.tlb_IM->Button(5)->Enabled());
    // (A hidden menu item never reads enabled: "界面编辑" is left out.)
    for (QAction* a : {m.m_newInterface, m.m_deleteinterface, m.m_interfaceproperty, m.mnu_AddField,
                       m.mnu_DelField, m.mnu_ResetField, m.mnu_ChangeControlType, m.m_tableclass,
                       m.mnu_createFLMB, m.mnu_updateFLMB, m.mnu_DelFLMB, m.mnu_CreateUserInterface,
                       m.mnu_default})
        EXPECT_EQ(a->isEnabled(), open) << a->objectName().toStdString();
    EXPECT_EQ(m.Command1->isEnabled(), open);
    EXPECT_EQ(m.Command2->isEnabled(), open);
    m.PrepareTemplateMenu();
    EXPECT_FALSE(m.mnu_createFLMB->isEnabled() && !open);
    EXPECT_FALSE(m.mnu_DelFLMB->isEnabled() && !open);

    if (open) return;
    // Closed: no path runs the command, whatever reaches the routine.
    ListItem* second = m.lvw_IM->FindItem("发文登记（简版）");
    EXPECT_EQ(second != nullptr, entryNumber != 0);
    if (second) {
        m.lvw_IM->SetSelectedItem(second);
        m.lvw_IT->SetSelectedItem(m.lvw_IT->Item(1));
    }
    PromptScript script;  // no prompt, no modal window may come
    m.ShowWizard();
    m.DeleteINDT();
    m.DesignInterface();
    m.mnu_default_Click();
    m.DeleteSelectedFields();
    m.DoInterfaceCommand("tb_delete");
    m.DoInterfaceCommand("tb_design");
    m.DoInterfaceCommand("tb_jmsj");
    m.DoViewCommand("bm_fljm");
    m.DoViewCommand("bm_flmb");
    m.mnu_AddField_Click();
    m.mnu_ChangeControlType_Click();
    m.m_tableclass_Click();
    m.Command1_Click();
    m.Command2_Click();
    m.mnu_DelFLMB_Click();
    w.tlb_IM_ButtonClick(w.tlb_IM->Button("tlbNew"));
    w.tlb_IM_ButtonClick(w.tlb_IM->Button("tb_delete"));
    w.tlb_IM_ButtonClick(w.tlb_IM->Button("tb_jmsj"));
    EXPECT_TRUE(script.prompts().empty());
    if (second) {
        EXPECT_EQ(flagOf(hdbc, entryNumber), "aaaaa");
        EXPECT_EQ(sysISITGetRecordCount(hdbc, second->Key().mid(6).toInt()), 2);
    }
    // The properties open for looking only: button, menu, double click.
    if (!second) return;
    int views = 0;
    for (int path = 0; path < 3; ++path) {
        PromptScript look;
        look.onModal<frm_zelk_jmsx>([&](frm_zelk_jmsx& d) {
            EXPECT_FALSE(d.Command1->isEnabled());
            EXPECT_TRUE(d.ViewOnly());
            ++views;
            d.unload();
        });
        if (path == 0) w.tlb_IM->Click("tb_prop");
        if (path == 1) m.DoInterfaceCommand("tb_prop");
        if (path == 2) m.lvw_IM_DblClick();
    }
    EXPECT_EQ(views, 3);
}

// Another table's tree: the class follows it, and the permission rule with it. A class the new
// tree does not hold gives way to its root.
TEST_F(MainWindowTest, ATableSwitchTakesAClassOfTheNewTree) {
    INDTRecord system;
    setField(system.id01, "GWLZ");
    setField(system.id03, "流转系统模板");
    setField(system.id05, "6");
    setField(system.id09, demo::kSystem);
    ASSERT_GE(sysINDTInsertRecord(hdbc(), system), 1);
    window.init(hdbc(), demo::kSystem, demo::kMainTable, demo::kClass, demo::kUser);
    window.ljgl()->PopupMenu = [](QMenu*) {};
    const std::int32_t rows = GetRecordsetCount(hdbc(), "select id00 from indt");

    window.TreeView1_NodeClick(window.TreeView1->Item("GWLZ"));
    EXPECT_EQ(window.ClassName(), "");
    EXPECT_EQ(window.tree()->CurrentClass(), "");
    window.ljgl()->PopupMenu = [](QMenu*) {};
    EXPECT_EQ(window.ljgl()->Label1->text(), "基础模板未建立");
    expectGuardedCommands(window, hdbc(), false, 0);
    EXPECT_EQ(GetRecordsetCount(hdbc(), "select id00 from indt"), rows);

    // A class the new tree holds stays current.
    window.init(hdbc(), demo::kSystem, demo::kMainTable, "正文附件", demo::kUser);
    window.TreeView1_NodeClick(window.TreeView1->Item(demo::kChildTable));
    EXPECT_EQ(window.ClassName(), "正文附件");
    EXPECT_EQ(window.tree()->CurrentClass(), "正文附件");
    EXPECT_TRUE(window.tlb_IM->Button(1)->Enabled());
}

TEST_F(MainWindowTest, PermissionMatrix) {
    const std::int32_t entry = numberOf("发文登记");
    // An administrator at the table level and in a class.
    EXPECT_TRUE(window.IsAdmin());
    expectGuardedCommands(window, hdbc(), true, entry);
    window.init(hdbc(), demo::kSystem, demo::kMainTable, QString(), demo::kAdminUser);
    expectGuardedCommands(window, hdbc(), true, entry);

    // An ordinary user: open within a class, closed at the table level.
    window.init(hdbc(), demo::kSystem, demo::kMainTable, demo::kClass, demo::kUser);
    EXPECT_FALSE(window.IsAdmin());
    expectGuardedCommands(window, hdbc(), true, entry);
    window.TypeChanged(demo::kMainTable, QString());
    expectGuardedCommands(window, hdbc(), false, 0);
    // Back in a class through the class tree.
    window.TypeChanged(demo::kMainTable, demo::kClass);
    expectGuardedCommands(window, hdbc(), true, entry);
    window.TypeChanged(demo::kMainTable, QString());

    // Interfaces of the table level to look at.
    const std::int32_t level =
        addInterface(hdbc(), "1", "aaaaa", "发文登记（简版）", "", "", QString());
    addEntryItems(hdbc(), level, 2);
    window.init(hdbc(), demo::kSystem, demo::kMainTable, QString(), demo::kUser);
    window.ljgl()->PopupMenu = [](QMenu*) {};
    expectGuardedCommands(window, hdbc(), false, level);
}

TEST_F(MainWindowTest, TransferWindowGetsUserBeforeClass) {
    PromptScript script;
    const auto check = [&](frm_zelk_ibr& w) {
        EXPECT_EQ(w.hdbc, hdbc());
        EXPECT_EQ(w.maintable, demo::kMainTable);
        EXPECT_EQ(w.username, demo::kAdminUser);
        EXPECT_EQ(w.classname, demo::kClass);
        w.unload();
    };
    script.onModal<frm_zelk_ibr>(check).onModal<frm_zelk_ibr>(check);
    window.tlb_IM->Click("tb_ibr");
    window.DispatchToolbarIndex(1);
    window.DispatchToolbarIndex(2);  // not the transfer
    EXPECT_EQ(script.prompts().size(), 2u);
}

// Fault mended: after an import into the class on show the manager listed nothing new until
// the user picked another class and back.
TEST_F(MainWindowTest, AnImportIntoTheClassOnShowIsListedOnceTheTransferWindowCloses) {
    window.TypeChanged(demo::kMainTable, "收文");
    ASSERT_EQ(window.ljgl()->lvw_IM->Count(), 0);
    QTemporaryDir dir;
    const QString package = dir.filePath("发文.idf");
    QStringList imported;
    PromptScript script;
    script.onModal<frm_zelk_ibr>([&](frm_zelk_ibr& w) {
        // Export the interfaces of "发文" ...
        ListItem* source = w.ListView_In->FindItem(demo::kClass);
        ASSERT_TRUE(source);
        source->SetChecked(true);
        w.ListView_In_ItemCheck(source);
        for (int i = 1; i <= w.ListView1->Count(); ++i) w.ListView1->Item(i)->SetChecked(true);
        w.ComboBox3->setEditText(package);
        w.Command2_Click();
        // ... and import them with their class template into the class on show.
        w.SSTab2->SetTab(1);
        PromptScript inner;
        inner.chooseFile(package);
        w.Command9_Click();
        for (int i = 1; i <= w.ListView4->Count(); ++i) {
            ListItem* row = w.ListView4->Item(i);
            row->SetChecked(true);
            if (row->SubItems(1) != "分类模板") imported << row->Text();
        }
        w.ListView4_Click();
        w.Command11_Click();
        EXPECT_TRUE(w.Label13->text().startsWith("转入结束")) << w.Label13->text().toStdString();
        w.Command3_Click();  // "关闭"
    });
    window.tlb_IM->Click("tb_ibr");
    EXPECT_FALSE(imported.isEmpty());
    QStringList listed = rowTexts(*window.ljgl()->lvw_IM);
    listed.sort();
    imported.sort();
    EXPECT_EQ(listed, imported);
    EXPECT_EQ(window.ljgl()->Label1->text(), "[收文]分类模板");
}

TEST_F(MainWindowTest, HelpRequestsReachTheOwner) {
    QObject::connect(&window, &Form::NeedHelp, &window, [this](QString& id) { got << id; });
    window.show();
    window.TreeView1->setFocus();
    QTest::keyClick(window.TreeView1, Qt::Key_F1);
    QTest::keyClick(window.ljgl()->lvw_IM, Qt::Key_F1);
    QString fromTree = "tree-topic";
    emit window.tree()->NeedHelp(fromTree);
    PromptScript script;
    script.onModal<frm_zelk_jmxd>([](frm_zelk_jmxd& w) {
        QString id = "wizard-topic";
        emit w.NeedHelp(id);
        w.unload();
    });
    window.tlb_IM->Click("tlbNew");
    EXPECT_EQ(got, QStringList({"", "", "tree-topic", "wizard-topic"}));
    window.forceUnload();
}

TEST_F(MainWindowTest, ReportPathGoesToEachManager) {
    window.SetReportPath("/srv/reports");
    EXPECT_EQ(window.ljgl()->ReportPath, "/srv/reports");
    window.init(hdbc(), demo::kSystem, demo::kMainTable, demo::kClass, demo::kAdminUser);
    EXPECT_EQ(window.ljgl()->ReportPath, "/srv/reports");
}

TEST(PaneRules, TwipsOfCaptionStripItemListAndTheRule) {
    EXPECT_EQ(captionPaneLayout(1680, 2610).body, (PaneRect{0, 270, 1680, 2340}));
    EXPECT_EQ(captionPaneLayout(1680, 2610).strip, (PaneRect{0, 0, 1680, 270}));
    EXPECT_EQ(captionPaneLayout(900, 100).body.height, 0);
    EXPECT_EQ(captionPaneLayout(900, 100).strip.height, 270);
    const ItemListPlacement tall = itemListPlacement(4000, 2900, 4000);
    EXPECT_TRUE(tall.visible && tall.move);
    EXPECT_EQ(tall.rect, (PaneRect{0, 2280, 2900, 1720}));
    EXPECT_FALSE(itemListPlacement(2280, 2900, 2400).visible);
    const ItemListPlacement low = itemListPlacement(2400, 2900, 2500);
    EXPECT_TRUE(low.visible && !low.move);
    EXPECT_FALSE(CommandsAllowed("", false));
    EXPECT_TRUE(CommandsAllowed("", true));
    EXPECT_TRUE(CommandsAllowed("发文", false));
}

}  // namespace
