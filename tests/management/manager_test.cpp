// The interface manager driven as a user drives it: lists, defaults, deletes, item rows, popups
// and child windows, on the demo data.

#include <gtest/gtest.h>
#include <QSignalSpy>
#include <QTest>

#include "dataaccess/demodata.h"
#include "designer/frm_zelk_jmsj.h"
#include "designer/frm_zelk_jssj.h"
#include "listdesigner/frm_zelk_lbsj.h"
#include "management/frm_zelk_flmb.h"
#include "management/frm_zelk_kjlx.h"
#include "management/frm_zelk_ljgl.h"
#include "management/testrows.h"
#include "propdialogs/frm_field_new.h"
#include "propdialogs/frm_zelk_jmsx.h"
#include "support/expectprompt.h"
#include "support/refusal.h"
#include "support/reporttexts.h"
#include "wizard/frm_zelk_jmxd.h"

using namespace zelk;
using namespace zelk::test;

namespace {

class ManagerTest : public BackendTest {
  protected:
    bool withDemoData() const override { return true; }
    void SetUp() override {
        BackendTest::SetUp();
        if (IsSkipped() || HasFatalFailure()) return;
        manager = std::make_unique<frm_zelk_ljgl>();
        manager->PopupMenu = [this](QMenu* menu) { popups.push_back(menu); };
        hintSpy = std::make_unique<QSignalSpy>(manager.get(), &frm_zelk_ljgl::Hint);
        manager->AdminUser = true;
        manager->init(hdbc(), demo::kSystem, demo::kMainTable, demo::kClass, demo::kAdminUser);
    }
    std::int32_t numberOf(const QString& name) const { return demoNumber(hdbc(), name); }
    ListItem* row(const QString& name) {
        return manager->lvw_IM->Item("record" + QString::number(numberOf(name)));
    }
    void select(const QString& name) { manager->lvw_IM->SetSelectedItem(row(name)); }

    std::unique_ptr<frm_zelk_ljgl> manager;
    std::unique_ptr<QSignalSpy> hintSpy;
    std::vector<QMenu*> popups;
};

TEST_P(ManagerTest, ListsTheClassAndLoadsTheSelectedRowsItems) {
    ASSERT_EQ(manager->lvw_IM->Count(), 5);
    ListItem* entry = row("发文登记");
    ASSERT_TRUE(entry);
    EXPECT_EQ(entry->SubItems(2), "录入条目");
    EXPECT_EQ(entry->SubItems(3), "所有用户");
    EXPECT_EQ(entry->ForeColor(), kDefaultRowColor);
    EXPECT_EQ(row("发文登记（简版）")->ForeColor(), 0);
    EXPECT_EQ(manager->DefaultIDs[1], numberOf("发文登记"));
    ASSERT_EQ(hintSpy->count(), 1);
    EXPECT_EQ(hintSpy->at(0).at(0).toString(), "系统界面已经导入");

    select("发文登记");
    EXPECT_EQ(manager->ItemsInterface, numberOf("发文登记"));
    EXPECT_EQ(manager->lvw_IT->Count(), 15);
    EXPECT_EQ(manager->lvw_IT->Item(3)->SubItems(2), "bt");
    EXPECT_TRUE(manager->lvw_IT->Item(3)->Key().startsWith("ISIT"));

    manager->lvw_IM->setFocus();
    QTest::keyClick(manager->lvw_IM, Qt::Key_Down);
    EXPECT_EQ(manager->ItemsInterface, numberOf("发文登记（简版）"));
    EXPECT_EQ(rowTexts(*manager->lvw_IT), QStringList({"标题", "文号"}));

    select("发文查询");
    EXPECT_TRUE(manager->lvw_IT->Item(1)->Key().startsWith("IJST"));
    select("发文浏览");
    EXPECT_TRUE(manager->lvw_IT->Item(1)->Key().startsWith("ILST"));

    // After a rebuild the same row stays selected with its items; a row gone leaves none.
    manager->RefreshInterface();
    EXPECT_EQ(manager->lvw_IM->SelectedItem(), row("发文浏览"));
    EXPECT_GT(manager->lvw_IT->Count(), 0);
    PromptScript script;
    script.answer(vbOK);
    manager->DeleteINDT();
    EXPECT_EQ(manager->lvw_IM->SelectedItem(), nullptr);
    EXPECT_EQ(manager->lvw_IT->Count(), 0);

    // A row of no kind: one empty column.
    addInterface(hdbc(), "", "aaaaa", "坏类型");
    manager->RefreshInterface();
    select("坏类型");
    EXPECT_EQ(row("坏类型")->SubItems(2), "未知类型界面");
    ASSERT_EQ(manager->lvw_IT->ColumnCount(), 1);
    EXPECT_EQ(manager->lvw_IT->Column(1)->Text(), "");
}

TEST_P(ManagerTest, SetDefaultSwapsTheFlagsAndRebuilds) {
    const std::int32_t first = numberOf("发文登记");
    const std::int32_t second = numberOf("发文登记（简版）");
    select("发文登记（简版）");
    manager->mnu_default->trigger();
    EXPECT_EQ(flagOf(hdbc(), first), "aaaaa");
    EXPECT_EQ(flagOf(hdbc(), second), "");
    EXPECT_EQ(row("发文登记（简版）")->ForeColor(), kDefaultRowColor);

    // The default itself and other flags change nothing.
    manager->mnu_default->trigger();
    setFlag(hdbc(), first, "签批单");
    manager->RefreshInterface();
    select("发文登记");
    manager->mnu_default_Click();
    EXPECT_EQ(flagOf(hdbc(), first), "签批单");
    EXPECT_EQ(flagOf(hdbc(), second), "");
}

TEST_P(ManagerTest, SetDefaultRefusedKeepsBothFlagsAndSaysSoOnce) {
    const std::int32_t first = numberOf("发文登记");
    const std::int32_t second = numberOf("发文登记（简版）");
    select("发文登记（简版）");
    ASSERT_TRUE(refuseRows(hdbc(), GetParam(), "indt", "1=1", "update"));
    PromptScript script;
    script.answer(vbOK);
    manager->mnu_default_Click();
    expectPrompt(script, "界面标志修改错误！", "错误", vbExclamation);
    EXPECT_EQ(flagOf(hdbc(), first), "");
    EXPECT_EQ(flagOf(hdbc(), second), "aaaaa");
    EXPECT_EQ(manager->DefaultIDs[1], first);
}

TEST_P(ManagerTest, DeleteAsksDeletesAndPromotes) {
    const std::int32_t first = numberOf("发文登记");
    const std::int32_t second = numberOf("发文登记（简版）");
    select("发文登记");
    {
        PromptScript script;
        script.answer(vbCancel);
        manager->DeleteINDT();
        expectPrompt(script, "此操作将删除选定用户界面，请按确认继续或取消操作", "系统确认",
                     vbOKCancel | vbExclamation);
    }
    EXPECT_TRUE(interfaceExists(hdbc(), first));
    EXPECT_EQ(manager->lvw_IT->Count(), 15);  // the row stays selected with its items

    PromptScript script;
    script.answer(vbOK);
    manager->DeleteINDT();
    EXPECT_FALSE(interfaceExists(hdbc(), first));
    EXPECT_EQ(sysISITGetRecordCount(hdbc(), first), 0);
    EXPECT_EQ(flagOf(hdbc(), second), "");
    EXPECT_EQ(manager->DefaultIDs[1], second);
    EXPECT_EQ(manager->lvw_IM->Count(), 4);
}

TEST_P(ManagerTest, DeleteRefusedHalfWayKeepsEverythingAndSaysSoOnce) {
    const std::int32_t first = numberOf("发文登记");
    ASSERT_TRUE(refuseRows(hdbc(), GetParam(), "isit", "1=1", "delete"));
    select("发文登记");
    PromptScript script;
    script.answer(vbOK).answer(vbOK);
    manager->DeleteINDT();
    ASSERT_EQ(script.prompts().size(), 2u);
    EXPECT_EQ(script.prompts()[1].text, "界面正在使用，请稍后再试!");
    EXPECT_EQ(script.prompts()[1].title, "系统提示");
    EXPECT_EQ(script.prompts()[1].style, vbExclamation);
    EXPECT_EQ(sysISITGetRecordCount(hdbc(), first), 15);
    EXPECT_TRUE(row("发文登记"));
    EXPECT_EQ(flagOf(hdbc(), numberOf("发文登记（简版）")), "aaaaa");
}

TEST_P(ManagerTest, FieldDeleteFollowsTheListedInterfaceEvenWhenTheSelectionMoved) {
    const std::int32_t entry = numberOf("发文登记");
    const std::int32_t search = numberOf("发文查询");
    select("发文登记");
    const QString key = manager->lvw_IT->Item(3)->Key();
    manager->lvw_IT->SetSelectedItem(manager->lvw_IT->Item(3));
    {
        // The interface list's selection moves without the item list following it.
        const QSignalBlocker quiet(manager->lvw_IM);
        select("发文查询");
    }
    manager->mnu_DelField->trigger();
    EXPECT_EQ(sysISITGetRecordCount(hdbc(), entry), 14);
    EXPECT_EQ(versionOf(hdbc(), entry), "2");
    EXPECT_EQ(sysIJSTGetRecordCount(hdbc(), search), 14);
    EXPECT_EQ(manager->lvw_IT->Item(key), nullptr);

    // A refused delete leaves list and counter and says so.
    ASSERT_TRUE(refuseRows(hdbc(), GetParam(), "isit", "1=1", "delete"));
    manager->lvw_IT->SetSelectedItem(manager->lvw_IT->Item(1));
    PromptScript script;
    script.answer(vbOK);
    manager->DeleteSelectedFields();
    expectPrompt(script, "不能删除该栏目!", "提示", vbExclamation);
    EXPECT_EQ(manager->lvw_IT->Count(), 14);
    EXPECT_EQ(versionOf(hdbc(), entry), "2");
}

// Fault mended: a designer's save gives every item row a new key, and the item list kept the old
// ones, so "删除栏目" deleted nothing yet raised the version and "修改界面栏目控件类型" opened
// nothing. The list is read again when a designer returns, the field still selected.
TEST_P(ManagerTest, AfterADesignerTheFieldCommandsActOnTheStoredRows) {
    struct Case {
        const char* name;
        std::int32_t (*count)(std::int32_t, std::int32_t);
        bool formDesigner;
    };
    for (const Case& c : {Case{"发文登记", sysISITGetRecordCount, true},
                          Case{"发文查询", sysIJSTGetRecordCount, true},
                          Case{"发文列表录入", sysILITGetRecordCount, false}}) {
        SCOPED_TRACE(c.name);
        const std::int32_t number = numberOf(c.name);
        select(c.name);
        ListItem* field = manager->lvw_IT->Item(3);
        const QString key = field->Key();
        const QString column = field->SubItems(2);
        manager->lvw_IT->SetSelectedItem(field);
        PromptScript script;
        if (c.formDesigner) {
            script.onModal<DesignerBase>([&](DesignerBase& w) {
                for (std::int32_t i = 1; i <= w.ItemCount; ++i)
                    if (w.ItemTable[i].BoundColumn == column) w.ItemTable[i].ItemName = "改名栏目";
                w.DesignModified = true;
                w.SaveInterface();
                w.unload();
            });
        } else {
            script.onModal<frm_zelk_lbsj>([](frm_zelk_lbsj& w) {
                EXPECT_TRUE(w.SaveInterface());
                w.unload();
            });
        }
        manager->mnu_idesign_Click();
        ListItem* kept = manager->lvw_IT->SelectedItem();
        ASSERT_TRUE(kept);
        EXPECT_EQ(kept->SubItems(2), column);
        EXPECT_NE(kept->Key(), key);
        if (c.formDesigner) {
            EXPECT_EQ(kept->Text(), "改名栏目");
            script.onModal<frm_zelk_kjlx>([](frm_zelk_kjlx& d) { d.Command2->click(); });
            manager->mnu_ChangeControlType->trigger();
        }

        const int rows = c.count(hdbc(), number);
        const int version = versionOf(hdbc(), number).toInt();
        manager->mnu_DelField->trigger();
        EXPECT_EQ(c.count(hdbc(), number), rows - 1);
        EXPECT_EQ(versionOf(hdbc(), number).toInt(), version + 1);
        manager->m_field_Click();
        EXPECT_FALSE(rowTexts(*manager->lvw_IT, 2).contains(column));
    }
}

// Fault mended: on a row removed behind the manager's back "删除栏目" took the field off the list
// and raised the version, though nothing was deleted; "修改界面栏目控件类型" did nothing without a
// word and "修改子表分类" opened its design texts. Nothing changes, the user is told once and the
// list shows what is stored.
TEST_P(ManagerTest, AFieldCommandOnARowRemovedMeanwhileSaysSoAndRereadsTheList) {
    struct Case {
        const char* name;
        const char* column;
        QAction* frm_zelk_ljgl::*command;
    };
    for (const Case& c : {Case{"发文登记", "bt", &frm_zelk_ljgl::mnu_DelField},
                          Case{"发文查询", "bt", &frm_zelk_ljgl::mnu_DelField},
                          Case{"发文登记", "wh", &frm_zelk_ljgl::mnu_ChangeControlType},
                          Case{"发文查询", "wh", &frm_zelk_ljgl::mnu_ChangeControlType},
                          Case{"发文登记", "fj", &frm_zelk_ljgl::m_tableclass}}) {
        SCOPED_TRACE(c.name);
        const std::int32_t number = numberOf(c.name);
        select(c.name);
        ListItem* field = manager->lvw_IT->FindItem(c.column, ReportView::FindWhere::SubItem);
        ASSERT_TRUE(field);
        const QString key = field->Key();
        manager->lvw_IT->SetSelectedItem(field);
        const bool entry = key.startsWith("ISIT");
        ASSERT_GE(ExecSQL(hdbc(), QStringLiteral("delete from %1 where %2 = %3")
                                      .arg(key.left(4), entry ? "ii00" : "is00", key.mid(4))),
                  0);
        const int rows = manager->lvw_IT->Count();
        const QString version = versionOf(hdbc(), number);
        PromptScript script;
        script.answer(vbOK);
        (manager.get()->*c.command)->trigger();
        expectPrompt(script, "该栏目已不存在，可能已被其他用户修改，栏目列表将重新读取！", "提示",
                     vbExclamation);
        EXPECT_EQ(versionOf(hdbc(), number), version);
        EXPECT_EQ(manager->lvw_IT->Count(), rows - 1);
        EXPECT_EQ(manager->lvw_IT->Item(key), nullptr);
    }
}

TEST_P(ManagerTest, FieldMenuShowsWhatTheFieldAllows) {
    select("发文登记");
    const auto menuFor = [&](const QString& column) {
        popups.clear();
        manager->lvw_IT->SetSelectedItem(
            manager->lvw_IT->FindItem(column, ReportView::FindWhere::SubItem));
        manager->lvw_IT_MouseUp(2, 0, 0, 0);
        return popups.size() == 1 && popups[0] == manager->m_popfield;
    };
    ASSERT_TRUE(menuFor("ZDYBQ1"));
    EXPECT_TRUE(manager->mnu_ChangeControlType->isVisible());
    for (QAction* a : {manager->mnu_dp, manager->mnu_hint, manager->m_tableclass})
        EXPECT_FALSE(a->isVisible()) << a->objectName().toStdString();
    ASSERT_TRUE(menuFor("mj"));
    EXPECT_TRUE(manager->mnu_hint->isVisible());
    EXPECT_FALSE(manager->m_tableclass->isVisible());
    ASSERT_TRUE(menuFor("fj"));
    EXPECT_TRUE(manager->m_tableclass->isVisible());
    EXPECT_FALSE(menuFor(""));  // a frame binds no field
    select("发文查询");
    ASSERT_TRUE(menuFor("fj"));
    EXPECT_FALSE(manager->m_tableclass->isVisible());  // a sub-table field, but a search row

    select("发文列表录入");
    manager->lvw_IT->SetSelectedItem(manager->lvw_IT->Item(1));
    ASSERT_TRUE(manager->PrepareFieldMenu());
    EXPECT_FALSE(manager->mnu_ChangeControlType->isVisible());

    // The interface menu: the report entry only for entry forms and browse lists.
    manager->lvw_IM_MouseUp(2, 0, 0, 0);
    EXPECT_FALSE(manager->mnu_createreport->isVisible());
    select("发文浏览");
    EXPECT_TRUE(manager->PrepareInterfaceMenu());
    EXPECT_TRUE(manager->mnu_createreport->isVisible());

    // The template menu: only creating without a template.
    manager->picFLMB_MouseUp(2, 0, 0, 0);
    EXPECT_FALSE(manager->mnu_createFLMB->isEnabled());
    EXPECT_TRUE(manager->mnu_DelFLMB->isEnabled());
    manager->ChangeClassname("收文");
    manager->PrepareTemplateMenu();
    EXPECT_EQ(manager->Label1->text(), "类型模板未建立");
    EXPECT_TRUE(manager->mnu_createFLMB->isEnabled());
    EXPECT_FALSE(manager->mnu_updateFLMB->isEnabled());
}

TEST_P(ManagerTest, ChildWindowsGetTheirContextAndAnAddedFieldRebuildsTheItems) {
    PromptScript script;
    select("发文浏览");
    const int columns = manager->lvw_IT->Count();
    manager->lvw_IT->SetSelectedItem(manager->lvw_IT->Item(1));
    script.onModal<frm_field_new>([](frm_field_new& d) { d.Command2->click(); });
    manager->mnu_AddField->trigger();  // cancelled: not rebuilt, the selection stays
    EXPECT_EQ(manager->lvw_IT->SelectedItem(), manager->lvw_IT->Item(1));
    script.onModal<frm_field_new>([](frm_field_new& d) {
        d.Combo1->setCurrentIndex(0);
        d.Combo2->setCurrentIndex(1);
        d.Command1->click();
    });
    manager->mnu_AddField->trigger();
    EXPECT_EQ(manager->lvw_IT->Count(), columns + 1);

    // Each child window gets its context.
    script.onModal<frm_zelk_jmxd>([&](frm_zelk_jmxd& w) {
        EXPECT_EQ(w.hdbc, hdbc());
        EXPECT_EQ(w.MainTable, demo::kMainTable);
        EXPECT_EQ(w.ClassName, demo::kClass);
        EXPECT_EQ(w.UserName, demo::kAdminUser);
        w.unload();
    });
    manager->m_newInterface->trigger();

    select("发文查询");
    script.onModal<frm_zelk_jmsx>([&](frm_zelk_jmsx& w) {
        EXPECT_EQ(w.InterfaceId, numberOf("发文查询"));
        EXPECT_TRUE(w.Command1->isEnabled());
        w.unload();
    });
    manager->lvw_IM_DblClick();

    script.onModal<frm_zelk_jssj>([](frm_zelk_jssj& w) { w.unload(); });
    manager->DesignInterface();
    select("发文浏览");
    script.onModal<frm_zelk_lbsj>([](frm_zelk_lbsj& w) { w.unload(); });
    manager->mnu_idesign_Click();
    select("发文登记");
    script.onModal<frm_zelk_jmsj>([](frm_zelk_jmsj& w) { w.unload(); });
    manager->DoInterfaceCommand("tb_jmsj");
    // The item-entry designer never opens on another kind.
    select("发文查询");
    manager->DoInterfaceCommand("tb_jmsj");
    EXPECT_EQ(script.prompts().size(), 7u);
}

// Fault mended: the view dispatcher's "bm_flmb" did nothing. It creates the class template as
// "创建  >>" does, and the panel then shows the template stored.
TEST_P(ManagerTest, ViewKeyOfTheTemplateCreatesOne) {
    manager->ChangeClassname(demo::kSubClass);
    ASSERT_EQ(manager->Label1->text(), "类型模板未建立");
    PromptScript script;
    script.onModal<frm_zelk_flmb>([](frm_zelk_flmb& d) {
        EXPECT_TRUE(d.CreateMode);
        EXPECT_EQ(d.Text1->text(), "[发文/上行文]分类模板");
        d.Command11->click();  // every field into the template
        d.Command1->click();
        if (d.isLoaded()) d.Command2->click();  // "关闭"
    });
    manager->DoViewCommand("bm_flmb");
    EXPECT_EQ(script.prompts().size(), 1u);
    EXPECT_EQ(manager->Label1->text(), "[发文/上行文]分类模板");
    EXPECT_TRUE(manager->Command2->isVisibleTo(manager.get()));
}

TEST_P(ManagerTest, EmptiedFlagInThePropertiesDialogMakesTheDefault) {
    const std::int32_t first = numberOf("发文登记");
    const std::int32_t second = numberOf("发文登记（简版）");
    select("发文登记（简版）");
    PromptScript script;
    script.onModal<frm_zelk_jmsx>([&](frm_zelk_jmsx& w) {
        setFlag(hdbc(), second, "");  // what the dialog's OK stores
        w.unload();
    });
    manager->UpdateInterfaceProperty();
    EXPECT_EQ(flagOf(hdbc(), second), "");
    EXPECT_EQ(flagOf(hdbc(), first), "aaaaa");
    EXPECT_EQ(manager->DefaultIDs[1], second);
}

ZELK_ON_BOTH_BACKENDS(ManagerTest);

}  // namespace
