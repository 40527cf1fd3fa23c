// Class templates: the layout and kind rules, the template dialog's lists and save, and the
// template made from the system template, on SQLite and PostgreSQL.

#include <gtest/gtest.h>

#include "component/fixedfield.h"
#include "dataaccess/demodata.h"
#include "dataaccess/dravix.h"
#include "management/classtemplate.h"
#include "management/frm_zelk_flmb.h"
#include "platform/controls/progressbar.h"
#include "platform/promptscript.h"
#include "support/refusal.h"
#include "support/testdb.h"

namespace zelk {
namespace {

// The first column's places are checked on the stored rows below.
TEST(TemplateLayout, SecondColumnOfEachKind) {
    EXPECT_EQ(dialogTemplatePlace(2).label, (TemplateRect{4770, 210, 6270, 570}));
    EXPECT_EQ(dialogTemplatePlace(2).control, (TemplateRect{6300, 210, 9300, 570}));
    EXPECT_EQ(systemTemplatePlace(1).control, (TemplateRect{6350, 250, 9350, 600}));
}

TEST(TemplateKind, LaterRulesWin) {
    struct Case {
        const char* name;
        std::function<void(FieldRecord&)> set;
        const char* all;
        const char* four;
    } cases[] = {
        {"CheckFlag", [](FieldRecord& f) { setField(f.m12, "1"); }, "3", "3"},
        {"SubTable", [](FieldRecord& f) { setField(f.m16, "1"); }, "12", "12"},
        {"DateIsAList", [](FieldRecord& f) { setField(f.m04, "日期"); }, "6", "2"},
        {"NumberAfterCheck",
         [](FieldRecord& f) {
             setField(f.m09, "1");
             setField(f.m04, "数值");
         },
         "2", "3"},
        {"Flag24OverDate",
         [](FieldRecord& f) {
             setField(f.m04, "日期");
             setField(f.m24, "1");
         },
         "5", "2"},
    };
    for (const Case& c : cases) {
        FieldRecord f;
        c.set(f);
        EXPECT_EQ(templateControlKind(f, true), QString::fromLatin1(c.all)) << c.name;
        EXPECT_EQ(templateControlKind(f, false), QString::fromLatin1(c.four)) << c.name;
    }
}

class TemplateTest : public test::DemoBackendTest {
  protected:
    std::vector<ISITRecord> items(std::int32_t id) {
        std::vector<ISITRecord> rows;
        const std::int32_t h = sysISITPrepareGetData(hdbc(), id);
        ISITRecord r;
        while (sysISITGetRecord(h, r) > 0) rows.push_back(std::exchange(r, ISITRecord{}));
        return rows;
    }
    // Both tables whole: a failed save must leave them exactly so.
    std::pair<int, int> counts() {
        return {GetRecordsetCount(hdbc(), "select id00 from indt"),
                GetRecordsetCount(hdbc(), "select ii00 from isit")};
    }
    std::int32_t templateOf(const QString& className) {
        return sysINDTGetFLMBID(hdbc(), demo::kMainTable, className, demo::kSystem);
    }
    void openCreate(frm_zelk_flmb& d, const QString& className) {
        d.Text1->setText("[" + className + "]分类模板");
        d.init(hdbc(), demo::kSystem, demo::kMainTable, className, 0);
        d.CreateMode = true;
    }
    // Saves, expecting exactly the given messages.
    void save(frm_zelk_flmb& d, std::initializer_list<const char*> messages = {}) {
        PromptScript script;
        for (std::size_t i = 0; i < messages.size(); ++i) script.answer(vbOK);
        d.Command1->click();
        ASSERT_EQ(script.prompts().size(), messages.size());
        int i = 0;
        for (const char* m : messages) EXPECT_EQ(script.prompts()[i++].text, QString::fromUtf8(m));
    }
};

TEST_P(TemplateTest, EditModeListsTheTemplateAndOffersTheRest) {
    frm_zelk_flmb d;
    d.init(hdbc(), demo::kSystem, demo::kMainTable, demo::kClass, demo_.classTemplate);
    ASSERT_EQ(d.DSNListView->Count(), 11);
    EXPECT_EQ(d.DSNListView->Item(1)->SubItems(1), QStringLiteral("bh"));
    // Of the five fields left only "状态": the last four are the system's own columns.
    ASSERT_EQ(d.SRCListView->Count(), 1);
    EXPECT_EQ(d.SRCListView->Item(1)->SubItems(1), QStringLiteral("zt"));

    // A candidate goes before the selected template row; moves keep the row selected.
    d.SRCListView->SetSelectedItem(d.SRCListView->Item(1));
    d.DSNListView->SetSelectedItem(d.DSNListView->Item(2));
    d.Command10->click();
    EXPECT_EQ(d.DSNListView->Item(2)->SubItems(1), QStringLiteral("zt"));
    d.Command13->click();
    EXPECT_EQ(d.SRCListView->Count(), 12);
    EXPECT_EQ(d.DSNListView->Count(), 0);
}

TEST_P(TemplateTest, CreateThenEditKeepsTheNumberAndRaisesTheVersion) {
    frm_zelk_flmb d;
    openCreate(d, demo::kSubClass);
    d.Command11->click();
    ASSERT_EQ(d.DSNListView->Count(), 12);
    d.Text1->setText("   ");
    save(d);
    EXPECT_EQ(d.Text1->text(), QStringLiteral("[发文/上行文]分类模板"));
    const std::int32_t number = templateOf(demo::kSubClass);
    ASSERT_GT(number, 0);
    EXPECT_EQ(d.TemplateId(), number);
    INDTRecord row;
    ASSERT_GE(sysINDTGetDataByNo(hdbc(), row, number), 1);
    EXPECT_EQ(fieldText(row.id09), demo::kSystem);
    auto rows = items(number);
    ASSERT_EQ(rows.size(), 12u);
    const ISITRecord& seventh = rows[6];
    EXPECT_EQ((std::array{seventh.ii07, seventh.ii08, seventh.ii09, seventh.ii10, seventh.ii11,
                          seventh.ii12, seventh.ii13, seventh.ii14}),
              (std::array{210, 1380, 1710, 1740, 1740, 1380, 4740, 1740}));
    std::map<QString, QString> kinds;
    for (const auto& r : rows) kinds[fieldText(r.ii02)] = fieldText(r.ii06);
    EXPECT_EQ(kinds["fwrq"], QStringLiteral("6"));  // a date, in a class template
    EXPECT_EQ(kinds["zt"], QStringLiteral("2"));    // after the sub-table field "fj"

    // The second save rewrites the same template.
    row.id00 = number;
    setField(row.id06, demo::kUser);
    setField(row.id07, "aaaaa");
    setField(row.id08, "5");
    ASSERT_GE(sysINDTUpdateRecord(hdbc(), row), 0);
    d.DSNListView->SetSelectedItem(d.DSNListView->Item(1));
    d.Command12->click();
    save(d);
    EXPECT_EQ(templateOf(demo::kSubClass), number);
    EXPECT_EQ(GetRecordsetCount(hdbc(), "select id00 from indt where id05 = '5'"), 2);
    INDTRecord after;
    ASSERT_GE(sysINDTGetDataByNo(hdbc(), after, number), 1);
    EXPECT_EQ(fieldText(after.id06), demo::kUser);  // rewritten from the stored row
    EXPECT_EQ(fieldText(after.id08), QStringLiteral("6"));
    EXPECT_EQ(items(number).size(), 11u);
}

TEST_P(TemplateTest, RefusalsAtEachStepLeaveNoTrace) {
    struct Case {
        const char* name;
        const char* table;
        const char* when;
        const char* event;
        bool edit;
        const char* message;
    } cases[] = {
        {"TemplateRow", "indt", "new.id05 = '5'", "insert", false, "不能保存界面"},
        {"ThirdItem", "isit", "new.ii04 = 3", "insert", false, "保存记录失败，请稍后重试"},
        {"OldTemplate", nullptr, nullptr, nullptr, true,
         "界面被独占使用，不能进行修改，请稍后再试"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        SetUp();
        if (c.table) {
            ASSERT_TRUE(test::refuseRows(hdbc(), GetParam(), QString::fromLatin1(c.table),
                                         QString::fromLatin1(c.when),
                                         QString::fromLatin1(c.event)));
        } else {
            // Another table holds on to the template row, so it cannot be deleted.
            if (GetParam() == test::TestBackend::SQLite) {
                ASSERT_GE(ExecSQL(hdbc(), "pragma foreign_keys = on"), 0);
            }
            ASSERT_GE(ExecSQL(hdbc(), "create table zelk_hold (id integer references indt (id00))"),
                      0);
            ASSERT_GE(
                ExecSQL(
                    hdbc(),
                    QStringLiteral("insert into zelk_hold values (%1)").arg(demo_.classTemplate)),
                0);
        }
        const auto before = counts();
        const auto templateRows = items(demo_.classTemplate).size();
        frm_zelk_flmb d;
        if (c.edit) {
            d.init(hdbc(), demo::kSystem, demo::kMainTable, demo::kClass, demo_.classTemplate);
        } else {
            openCreate(d, demo::kSubClass);
            d.Command11->click();
        }
        const int listed = d.DSNListView->Count();
        save(d, {c.message});
        EXPECT_EQ(counts(), before);
        EXPECT_EQ(items(demo_.classTemplate).size(), templateRows);
        EXPECT_EQ(d.DSNListView->Count(), listed);
        EXPECT_TRUE(d.isLoaded());
    }
}

TEST_P(TemplateTest, RefusedBeginOrCommitLeavesNoTrace) {
    ManagerContext manager{hdbc(), demo::kSystem, demo::kMainTable};
    for (const test::TxnRefusal what : test::kTxnRefusals) {
        SCOPED_TRACE(testing::PrintToString(what));
        frm_zelk_flmb d;
        openCreate(d, demo::kSubClass);
        d.Command11->click();
        const auto before = counts();
        test::whileRefused(what, hdbc(), GetParam(), "indt", [&] {
            save(d, {"保存记录失败，请稍后重试"});
            // On a server only a lost or aborted session refuses a begin: the system template
            // cannot even be looked up then.
            if (what == test::TxnRefusal::Commit || GetParam() == test::TestBackend::SQLite) {
                PromptScript script;
                script.answer(vbOK);
                EXPECT_FALSE(CreateClassTemplateFromSystem(manager, hdbc(), "收文",
                                                           demo::kMainTable, "x", "", nullptr));
                ASSERT_EQ(script.prompts().size(), 1u);
                EXPECT_EQ(script.prompts()[0].text, QStringLiteral("保存记录失败，请稍后重试"));
            }
        });
        EXPECT_EQ(counts(), before);
        EXPECT_TRUE(d.isLoaded());
    }
}

TEST_P(TemplateTest, AnEmptyListOrMoreThan120FieldsAreRefusedBeforeAnyWrite) {
    frm_zelk_flmb d;
    openCreate(d, demo::kSubClass);
    save(d, {"请先选择模板中包含的栏目"});
    for (int i = 0; i < 121; ++i)
        d.DSNListView->Add(0, "k" + QString::number(i), "栏目")->SetSubItems(1, "bt");
    const auto before = counts();
    save(d, {"模板中最多只能包含120个栏目，请先移走多余的栏目"});
    EXPECT_EQ(counts(), before);
}

TEST_P(TemplateTest, FromTheSystemTemplateInOneTransaction) {
    ManagerContext manager{hdbc(), demo::kSystem, demo::kMainTable};
    ProgressBar prg;
    ASSERT_TRUE(CreateClassTemplateFromSystem(manager, hdbc(), demo::kSubClass, demo::kMainTable,
                                              "新模板", "说明", &prg));
    const std::int32_t number = templateOf(demo::kSubClass);
    ASSERT_GT(number, 0);
    INDTRecord row;
    sysINDTGetDataByNo(hdbc(), row, number);
    EXPECT_EQ(fieldText(row.id09), demo::kSystem);
    const auto source = items(demo_.systemTemplate);
    const auto made = items(number);
    ASSERT_EQ(made.size(), source.size());
    EXPECT_EQ(prg.Max(), static_cast<int>(2 * source.size()));
    const ISITRecord& third = made[2];
    EXPECT_EQ((std::array{third.ii07, third.ii08, third.ii09, third.ii10, third.ii11, third.ii12,
                          third.ii13, third.ii14}),
              (std::array{250, 650, 1750, 1000, 1750, 650, 4750, 1000}));
    EXPECT_EQ(fieldText(third.ii03), fieldText(source[2].ii03));
    EXPECT_EQ(toWire(third).mid(602), toWire(source[2]).mid(602));  // ii31 to ii45 as copied
    EXPECT_EQ(fieldText(made[3].ii06), QStringLiteral("2"));        // a date: only four rules here
    EXPECT_EQ(fieldText(made[7].ii06), QStringLiteral("12"));

    // A refused item leaves nothing; no system template is said so.
    ASSERT_TRUE(test::refuseRows(hdbc(), GetParam(), "isit", "new.ii04 = 5"));
    const auto before = counts();
    PromptScript script;
    script.answer(vbOK).answer(vbOK).answer(vbOK);
    EXPECT_FALSE(
        CreateClassTemplateFromSystem(manager, hdbc(), "收文", demo::kMainTable, "x", "", &prg));
    EXPECT_EQ(counts(), before);
    ASSERT_TRUE(test::refuseRows(hdbc(), GetParam(), "indt", "new.id02 = '收文'"));
    EXPECT_FALSE(
        CreateClassTemplateFromSystem(manager, hdbc(), "收文", demo::kMainTable, "x", "", &prg));
    ManagerContext other{hdbc(), demo::kSystem, QStringLiteral("HYGL")};
    EXPECT_FALSE(CreateClassTemplateFromSystem(other, hdbc(), "收文", "HYGL", "x", "", &prg));
    ASSERT_EQ(script.prompts().size(), 3u);
    EXPECT_EQ(script.prompts()[0].text, QStringLiteral("保存记录失败，请稍后重试"));
    EXPECT_EQ(script.prompts()[1].text, QStringLiteral("不能保存界面"));
    EXPECT_EQ(script.prompts()[1].style, vbInformation);
    EXPECT_EQ(script.prompts()[2].text, QStringLiteral("系统模板尚未建立，请先建立系统模板"));
    EXPECT_EQ(counts(), before);

    // An empty system template gives a template without items.
    INDTRecord system;
    setField(system.id01, "HYGL");
    setField(system.id05, "6");
    setField(system.id09, demo::kSystem);
    ASSERT_GE(sysINDTInsertRecord(hdbc(), system), 1);
    ASSERT_TRUE(CreateClassTemplateFromSystem(other, hdbc(), "会议", "HYGL", "会议", "", &prg));
    EXPECT_EQ(prg.Max(), 0);
    const std::int32_t empty = sysINDTGetFLMBID(hdbc(), "HYGL", "会议", demo::kSystem);
    ASSERT_GT(empty, 0);
    EXPECT_EQ(sysISITGetRecordCount(hdbc(), empty), 0);
}

ZELK_ON_BOTH_BACKENDS(TemplateTest);

}  // namespace
}  // namespace zelk
