// The manager's field, template, report and settings commands: who may run them, what they open
// and store, and what they hand to the outside components, on SQLite and PostgreSQL.

#include <gtest/gtest.h>

#include <QPlainTextEdit>

#include "component/fixedfield.h"
#include "dataaccess/demodata.h"
#include "dataaccess/dravix.h"
#include "management/frm_zelk_flmb.h"
#include "management/frm_zelk_kjlx.h"
#include "management/frm_zelk_zbfl.h"
#include "management/managercommands.h"
#include "management/suite/classtree.h"
#include "management/suite/suitecomponents.h"
#include "platform/automation/server.h"
#include "platform/promptscript.h"
#include "propdialogs/frm_field_new.h"
#include "support/refusal.h"
#include "support/testdb.h"

namespace zelk {
namespace {

TEST(FieldCommands, KindNumbersAndSubTableRows) {
    EXPECT_EQ(fieldDialogKind("分类模板"), 1);
    EXPECT_EQ(fieldDialogKind("子表界面"), 0);  // as the add-field dialog always had it
    EXPECT_TRUE(subTableClassApplies("ISIT12"));
    for (const char* key : {"IJST12", "ILIT3", "ILST3", "ISITx", ""})
        EXPECT_FALSE(subTableClassApplies(key)) << key;
}

class CommandsTest : public test::DemoBackendTest {
  protected:
    void SetUp() override {
        DemoBackendTest::SetUp();
        if (IsSkipped() || HasFatalFailure()) return;
        context_.hdbc = hdbc();
        context_.systemName = demo::kSystem;
        context_.mainTable = demo::kMainTable;
        context_.className = demo::kClass;
        context_.userName = demo::kUser;
        context_.allowed = true;
    }
    std::int32_t firstSearchItem() {
        const std::int32_t h = sysIJSTPrepareGetData(hdbc(), demo_.itemSearch);
        IJSTRecord r;
        const std::int32_t key = sysIJSTGetRecord(h, r) > 0 ? r.is00 : 0;
        odbc_FreeStmtHandle(h);
        return key;
    }
    QString subTableClassOf(std::int32_t item) {
        ISITRecord row;
        sysISITGetItem(hdbc(), row, item);
        return fieldText(row.ii28);
    }
    ManagerCommandContext context_;
};

TEST_P(CommandsTest, RightsHoldForEveryKindOfUser) {
    struct User {
        const char* name;
        QString className;
        bool admin;
    } users[] = {{"OrdinaryAtTableLevel", "", false},
                 {"AnyUserInAClass", demo::kClass, false},
                 {"AdministratorAtTableLevel", "", true}};
    const QString key = QStringLiteral("record%1").arg(demo_.itemEntry);
    for (const User& u : users) {
        SCOPED_TRACE(u.name);
        ManagerCommandContext c = context_;
        c.className = u.className;
        c.allowed = !u.className.isEmpty() || u.admin;
        PromptScript script;
        if (c.allowed) {
            script.onModal<frm_zelk_flmb>([](frm_zelk_flmb& d) { d.Command2->click(); });
            script.onModal<frm_field_new>([](frm_field_new& d) { d.Command2->click(); });
        }
        EXPECT_EQ(CreateTemplateCommand(c), c.allowed);
        EXPECT_FALSE(AddFieldCommand(c, key, QStringLiteral("录入条目")));
        // A denied delete asks nothing and deletes nothing.
        if (!c.allowed) {
            EXPECT_FALSE(DeleteTemplateCommand(c, QString::number(demo_.classTemplate), 0));
        }
        EXPECT_EQ(script.prompts().size(), c.allowed ? 2u : 0u);
    }
    EXPECT_EQ(sysISITGetRecordCount(hdbc(), demo_.classTemplate), 11);
}

TEST_P(CommandsTest, TemplateDeleteAsksAndTakesTheItems) {
    const QString tag = QString::number(demo_.classTemplate);
    {
        PromptScript script;
        script.answer(vbOK).answer(vbCancel);
        EXPECT_FALSE(DeleteTemplateCommand(context_, tag, 3));
        EXPECT_FALSE(DeleteTemplateCommand(context_, tag, 0));
        ASSERT_EQ(script.prompts().size(), 2u);
        EXPECT_EQ(script.prompts()[0].text,
                  QStringLiteral("要删除类型模板，请先删除该类型所属的所有界面!"));
        EXPECT_EQ(script.prompts()[1].style, vbInformation + vbOKCancel);
    }
    for (const test::TxnRefusal what : test::kTxnRefusals) {
        PromptScript script;
        script.answer(vbOK).answer(vbOK);
        // A refused commit is told and the panel reloads what is stored.
        test::whileRefused(
            what, hdbc(), GetParam(), "indt",
            [&] {
                EXPECT_EQ(DeleteTemplateCommand(context_, tag, 0),
                          what == test::TxnRefusal::Commit);
            },
            "delete");
        ASSERT_EQ(script.prompts().size(), 2u);
        EXPECT_EQ(script.prompts()[1].text, QStringLiteral("界面正在使用，请稍后再试!"));
        EXPECT_EQ(script.prompts()[1].style, vbExclamation);
    }
    EXPECT_EQ(sysISITGetRecordCount(hdbc(), demo_.classTemplate), 11);
    PromptScript script;
    script.answer(vbOK).answer(vbOK);
    EXPECT_TRUE(DeleteTemplateCommand(context_, tag, 0));
    INDTRecord row;
    EXPECT_LT(sysINDTGetDataByNo(hdbc(), row, demo_.classTemplate), 1);
    EXPECT_EQ(sysISITGetRecordCount(hdbc(), demo_.classTemplate), 0);
    EXPECT_FALSE(DeleteTemplateCommand(context_, QStringLiteral("abc"), 0));
    ASSERT_EQ(script.prompts().size(), 2u);
    EXPECT_TRUE(script.prompts()[1].text.contains(QStringLiteral("遇到异常。 ")));
}

TEST_P(CommandsTest, ControlKindFollowsTheRowsOwnTable) {
    const std::int32_t search = firstSearchItem();
    PromptScript script;
    script.onModal<frm_zelk_kjlx>([](frm_zelk_kjlx& d) {
        EXPECT_EQ(d.Combo1->itemText(5), QStringLiteral("6-子表检索项"));
        d.Combo1->setCurrentIndex(12);
        d.Command1->click();
    });
    ChangeControlTypeCommand(context_, QStringLiteral("IJST%1").arg(search));
    ChangeControlTypeCommand(context_, QStringLiteral("ILIT%1").arg(search));  // no kind there
    ChangeControlTypeCommand(context_, QStringLiteral("ISIT999999"));          // not found
    EXPECT_EQ(script.prompts().size(), 1u);
    IJSTRecord after;
    ASSERT_GE(sysIJSTGetItem(hdbc(), after, search), 1);
    EXPECT_EQ(fieldText(after.is06), QStringLiteral("13"));
}

TEST_P(CommandsTest, SubTableClassIsPickedInTheTreeForItemEntryRowsOnly) {
    // The demo form's sub-table item, bound to "fj".
    std::int32_t item = 0;
    const std::int32_t h = sysISITPrepareGetData(hdbc(), demo_.itemEntry);
    ISITRecord r;
    while (sysISITGetRecord(h, r) > 0)
        if (fieldText(r.ii02) == QStringLiteral("fj")) item = r.ii00;
    ASSERT_GT(item, 0);
    const QString stored = subTableClassOf(item);
    PromptScript script;
    script.onModal<frm_zelk_zbfl>([](frm_zelk_zbfl& d) {
        ASSERT_NE(d.tree(), nullptr);
        KeyedTree* view = d.tree()->view();
        Node* pick = nullptr;
        for (int i = 1; i <= view->Count(); ++i)
            if (view->Item(i)->Text() == QStringLiteral("扫描件")) pick = view->Item(i);
        ASSERT_NE(pick, nullptr);
        emit view->NodeClick(pick);
        EXPECT_EQ(d.Text1->text(), QStringLiteral("正文附件/扫描件"));
        d.Command2->click();  // cancel keeps the class
    });
    script.onModal<frm_zelk_zbfl>([](frm_zelk_zbfl& d) {
        d.Text1->setText(QStringLiteral("参考资料"));
        d.Command1->click();
    });
    SubTableClassCommand(context_, QStringLiteral("ISIT%1").arg(item));
    EXPECT_EQ(subTableClassOf(item), stored);
    SubTableClassCommand(context_, QStringLiteral("ISIT%1").arg(item));
    SubTableClassCommand(context_, QStringLiteral("IJST%1").arg(item));  // not offered, not run
    EXPECT_EQ(subTableClassOf(item), QStringLiteral("参考资料"));
    EXPECT_EQ(script.prompts().size(), 2u);
}

TEST_P(CommandsTest, SubTableDialogWithoutItemOffersNoOkAndWithoutFieldNoTree) {
    frm_zelk_zbfl missing;
    missing.init(hdbc(), demo::kSystem, demo::kMainTable, demo::kUser, 999999);
    EXPECT_FALSE(missing.Command1->isEnabled());
    ISITRecord r;
    r.ii01 = demo_.itemEntry;
    setField(r.ii02, "zzz");  // bound to no field: no tree, the box still editable
    ASSERT_GE(sysISITInsertRecord(hdbc(), r), 1);
    frm_zelk_zbfl d;
    d.init(hdbc(), demo::kSystem, demo::kMainTable, demo::kUser, r.ii00);
    EXPECT_TRUE(d.Command1->isEnabled());
    EXPECT_EQ(d.tree(), nullptr);
}

// What a stand-in's window listed: its calls, one a line.
QStringList shownCalls(Form& window) {
    auto* list = window.findChild<QPlainTextEdit*>();
    return list ? list->toPlainText().split('\n') : QStringList();
}

TEST_P(CommandsTest, OutsideComponentsAreCalledInOrder) {
    RegisterSuiteComponents();
    const QString h = QString::number(hdbc());
    QStringList calls;
    const auto capture = [&calls](Form& window) {
        calls = shownCalls(window);
        window.unload();
    };
    QString reportPath = QStringLiteral("由宿主设置");
    {
        PromptScript script;
        script.onModal(capture);
        CreateReportCommand(context_, reportPath, QStringLiteral("record%1").arg(demo_.browseList),
                            QStringLiteral("发文浏览"), QStringLiteral("检索列表"));
    }
    EXPECT_EQ(reportPath, QStringLiteral("报表库"));
    ASSERT_EQ(calls.size(), 4);
    EXPECT_EQ(calls[0],
              QStringLiteral("Init(Long %1, String \"协同办公\", String \"GWGL\", String \"李华\", "
                             "String \"发文\", Long 0, String \"\", String \"报表库\")")
                  .arg(h));
    EXPECT_EQ(calls[1], QStringLiteral("SetInterfaceName(String \"发文浏览\")"));
    EXPECT_EQ(calls[2], QStringLiteral("CreateFromList(Long %1)").arg(demo_.browseList));
    EXPECT_TRUE(calls[3].startsWith(QStringLiteral("Show(Boolean True")));
    {
        PromptScript script;
        script.onModal(capture);
        HintSettingsCommand(context_, QStringLiteral("mj"));
    }
    EXPECT_EQ(calls,
              (QStringList{QStringLiteral("Init(Long %1, Long 0, String \"GWGL\", String "
                                          "\"协同办公\", String \"李华\", String \"发文\", String "
                                          "\"mj\")")
                               .arg(h),
                           QStringLiteral("Show(Boolean True, Long 0)")}));
}

TEST_P(CommandsTest, AMissingComponentIsReported) {
    RegisterSuiteComponents();
    const auto clsid = clsidFromProgId(kHintSettingsProgId);
    ASSERT_TRUE(clsid.has_value());
    ASSERT_TRUE(removeServedClass(*clsid));
    PromptScript script;
    script.answer(vbOK);
    HintSettingsCommand(context_, QStringLiteral("mj"));
    RegisterSuiteComponents();
    ASSERT_EQ(script.prompts().size(), 1u);
    EXPECT_TRUE(script.prompts()[0].text.contains(QStringLiteral("遇到异常。 ")));
    EXPECT_EQ(script.prompts()[0].title, QStringLiteral("系统提示"));
}

ZELK_ON_BOTH_BACKENDS(CommandsTest);

}  // namespace
}  // namespace zelk
