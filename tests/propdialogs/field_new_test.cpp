// The add-field dialog on a real database: candidates, custom labels, the new row's place and
// the version counter, on SQLite and PostgreSQL.

#include <gtest/gtest.h>

#include "component/fixedfield.h"
#include "dataaccess/demodata.h"
#include "propdialogs/frm_field_new.h"
#include "support/expectprompt.h"
#include "support/refusal.h"
#include "support/testdb.h"

namespace zelk {
namespace {

TEST(CustomLabel, CountsItsLastTwoCharactersOrAWholeLongNumber) {
    const std::pair<const char*, int> cases[] = {
        {"ZDYBQ01", 1},  {"ZDYBQ03", 3},    {"ZDYBQ7", 0},     {"ZDYBQ12", 12},
        {"ZDYBQ99", 99}, {"ZDYBQ100", 100}, {"ZDYBQ101", 101}, {"ZDYBQ1x", 1}};
    for (const auto& [bound, number] : cases)
        EXPECT_EQ(customLabelNumber(QString::fromUtf8(bound)), number) << bound;
    EXPECT_EQ(customLabelEntry(0), QStringLiteral("ZDYBQ01[ 自定义]"));
    EXPECT_EQ(customLabelEntry(3), QStringLiteral("ZDYBQ04[ 自定义]"));
    EXPECT_EQ(customLabelEntry(99), QStringLiteral("ZDYBQ100[ 自定义]"));
}

TEST(FieldNewDialog, TheBannerShowsItsWholeText) {
    frm_field_new d;
    EXPECT_LE(d.Label2->heightForWidth(d.Label2->width()), d.Label2->height());
}

class FieldNewTest : public test::DemoBackendTest {
  protected:
    std::int32_t newInterface(const char* kind, const QString& mainTable = demo::kMainTable) {
        INDTRecord r;
        setField(r.id01, mainTable);
        setField(r.id02, demo::kClass);
        setField(r.id03, QStringLiteral("测试界面"));
        setField(r.id05, QString::fromLatin1(kind));
        setField(r.id08, "3");
        setField(r.id09, demo::kSystem);
        return sysINDTInsertRecord(hdbc(), r);
    }
    std::int32_t addItem(std::int32_t owner, const char* bound, std::int32_t labelBottom,
                         std::int32_t bottom, std::int32_t right = 5000) {
        ISITRecord r;
        r.ii01 = owner;
        setField(r.ii02, QString::fromLatin1(bound));
        setField(r.ii03, QStringLiteral("项"));
        setField(r.ii06, "2");
        r.ii10 = labelBottom;
        r.ii13 = right;
        r.ii14 = bottom;
        setField(r.ii15, "黑体");
        return sysISITInsertRecord(hdbc(), r);
    }
    QString version(std::int32_t number) {
        INDTRecord r;
        EXPECT_GE(sysINDTGetDataByNo(hdbc(), r, number), 1);
        return fieldText(r.id08);
    }
    static int entryOf(frm_field_new& d, const QString& text) { return d.Combo1->findText(text); }

    // Chooses the entry and kind code and presses OK; no prompt expected.
    void add(frm_field_new& d, const QString& entry, int kind) {
        const int index = entryOf(d, entry);
        ASSERT_GE(index, 0) << entry.toStdString();
        d.Combo1->setCurrentIndex(index);
        d.Combo2->setCurrentIndex(kind - 1);
        PromptScript script;
        d.Command1->click();
        EXPECT_TRUE(script.prompts().empty());
        EXPECT_FALSE(d.Cancelled);
    }
};

// Label and control rectangle of an item-entry (ii) or item-search (is) row.
#define ZELK_PLACE(r, p) \
    (std::array{r.p##07, r.p##08, r.p##09, r.p##10, r.p##11, r.p##12, r.p##13, r.p##14})

TEST_P(FieldNewTest, ItemEntryRowGoesBelowTheLowestBoundItemWithTheVersionRaisedOnce) {
    const std::int32_t fid = newInterface("1");
    addItem(fid, "bh", 900, 930, 5200);
    addItem(fid, "", 4000, 4000);  // an unbound label further down does not count
    frm_field_new d;
    d.init(hdbc(), demo::kSystem, demo::kMainTable, fid, 1);
    EXPECT_TRUE(d.Cancelled);
    EXPECT_EQ(entryOf(d, QStringLiteral("编号 [bh]")), -1);
    EXPECT_EQ(d.Combo1->itemText(d.Combo1->count() - 1), QStringLiteral("ZDYBQ01[ 自定义]"));
    EXPECT_EQ(d.Combo2->count(), 13);
    add(d, QStringLiteral("标题 [bt]"), 8);
    ISITRecord row;
    ASSERT_GE(sysISITGetItem(hdbc(), row, d.NewItemId), 1);
    EXPECT_EQ(fieldText(row.ii02), QStringLiteral("bt"));
    EXPECT_EQ(fieldText(row.ii03), QStringLiteral("标题"));
    EXPECT_EQ(fieldText(row.ii06), QStringLiteral("8"));
    EXPECT_EQ(fieldText(row.ii15), QStringLiteral("黑体"));  // copied from the reference row
    EXPECT_EQ(ZELK_PLACE(row, ii), (std::array{210, 1080, 1710, 1430, 1740, 1080, 5200, 1430}));
    EXPECT_EQ(version(fid), QStringLiteral("4"));
}

TEST_P(FieldNewTest, FirstItemOfAnEmptyInterfaceTakesTheDefaultPlaceOfItsKind) {
    const std::array formPlace{210, 210, 1710, 570, 1740, 210, 4740, 570};
    for (const char* kind : {"1", "2", "3", "4"}) {
        SCOPED_TRACE(kind);
        const std::int32_t fid = newInterface(kind);
        frm_field_new d;
        d.init(hdbc(), demo::kSystem, demo::kMainTable, fid, QString(kind).toShort());
        add(d, QStringLiteral("标题 [bt]"), 2);
        EXPECT_EQ(version(fid), QStringLiteral("4"));
        const QString flags = QStringLiteral("1|001100111000111|%1").arg(fid);
        if (kind[0] == '1') {
            ISITRecord r;
            ASSERT_GE(sysISITGetItem(hdbc(), r, d.NewItemId), 1);
            EXPECT_EQ(ZELK_PLACE(r, ii), formPlace);
            EXPECT_EQ(fieldText(r.ii05) + "|" + fieldText(r.ii41) + "|" + QString::number(r.ii01),
                      flags);
        } else if (kind[0] == '3') {
            IJSTRecord r;
            ASSERT_GE(sysIJSTGetItem(hdbc(), r, d.NewItemId), 1);
            EXPECT_EQ(ZELK_PLACE(r, is), formPlace);
            EXPECT_EQ(fieldText(r.is05) + "|" + fieldText(r.is41) + "|" + QString::number(r.is01),
                      flags);
        } else {
            const std::int32_t handle = kind[0] == '2' ? sysILITPrepareGetData(hdbc(), fid)
                                                       : sysILSTPrepareGetData(hdbc(), fid);
            ILITRecord r;
            ILSTRecord s;
            const bool got =
                kind[0] == '2' ? sysILITGetRecord(handle, r) > 0 : sysILSTGetRecord(handle, s) > 0;
            odbc_FreeStmtHandle(handle);
            ASSERT_TRUE(got);
            if (kind[0] == '4') std::memcpy(static_cast<void*>(&r), &s, sizeof r);
            EXPECT_EQ(r.ii00, d.NewItemId);
            EXPECT_EQ((std::array{r.ii07, r.ii08, r.ii10, r.ii12, r.ii14}),
                      (std::array{1440, 0, 0, 0, 0}));
            EXPECT_EQ(fieldText(r.ii02), QStringLiteral("bt"));
        }
    }
}

TEST_P(FieldNewTest, SearchAndListRowsFollowTheReferenceRow) {
    // Search form: label and control tops below the reference's own bottoms.
    frm_field_new search;
    search.init(hdbc(), demo::kSystem, demo::kMainTable, demo_.itemSearch, 3);
    IJSTRecord lowest;
    {
        const std::int32_t h = sysIJSTPrepareGetData(hdbc(), demo_.itemSearch);
        IJSTRecord r;
        while (sysIJSTGetRecord(h, r) > 0)
            if (fieldText(r.is02) != QString() && r.is14 > lowest.is14) lowest = r;
    }
    add(search, search.Combo1->itemText(0), 4);
    IJSTRecord added;
    ASSERT_GE(sysIJSTGetItem(hdbc(), added, search.NewItemId), 1);
    EXPECT_EQ(ZELK_PLACE(added, is),
              (std::array{lowest.is07, lowest.is10 + 150, lowest.is09, lowest.is10 + 500,
                          lowest.is11, lowest.is14 + 150, lowest.is13, lowest.is14 + 500}));
    EXPECT_EQ(fieldText(added.is06), QStringLiteral("4"));
}

TEST_P(FieldNewTest, CustomLabelsAreNumberedOnAndStoredWithTheirOwnCaption) {
    const std::int32_t fid = newInterface("1");
    addItem(fid, "ZDYBQ01", 300, 300);
    addItem(fid, "ZDYBQ03", 600, 600);
    addItem(fid, "ZDYBQ7", 700, 700);
    frm_field_new d;
    d.init(hdbc(), demo::kSystem, demo::kMainTable, fid, 1);
    add(d, QStringLiteral("ZDYBQ04[ 自定义]"), 1);
    ISITRecord row;
    ASSERT_GE(sysISITGetItem(hdbc(), row, d.NewItemId), 1);
    EXPECT_EQ(fieldText(row.ii02), QStringLiteral("ZDYBQ04"));
    EXPECT_EQ(fieldText(row.ii03), QStringLiteral(" 自定义"));
    EXPECT_EQ(fieldText(row.ii06), QStringLiteral("1"));
    EXPECT_EQ(row.ii08, 850);
}

TEST_P(FieldNewTest, NamesWithQuotesAndTwoSystemTemplatesStillGiveTheCandidates) {
    // A second system template of the same table: the first (by number) stays the one offered.
    const std::int32_t second = newInterface("6");
    addItem(second, "zz", 300, 300);
    // A table whose name holds a quote, with a template of its own.
    const QString quoted = QStringLiteral("GW'X");
    const std::int32_t quotedTemplate = newInterface("6", quoted);
    addItem(quotedTemplate, "qq", 300, 300);
    const std::int32_t fid = newInterface("3", quoted);

    frm_field_new d;
    d.init(hdbc(), demo::kSystem, demo::kMainTable, demo_.browseList, 4);
    EXPECT_GT(d.Combo1->count(), 0);
    EXPECT_EQ(entryOf(d, QStringLiteral("项 [zz]")),
              sysINDTGetSystemID(hdbc(), demo::kMainTable, demo::kSystem) == second ? 0 : -1);
    frm_field_new q;
    q.init(hdbc(), demo::kSystem, quoted, fid, 3);
    ASSERT_EQ(q.Combo1->count(), 1);
    EXPECT_EQ(q.Combo1->itemText(0), QStringLiteral("项 [qq]"));
}

TEST_P(FieldNewTest, RefusedRowOrCounterLeavesNothingAndSaysSoOnce) {
    for (const char* refused : {"isit", "indt"}) {
        SCOPED_TRACE(refused);
        const std::int32_t fid = newInterface("1");
        addItem(fid, "bh", 300, 330);
        ASSERT_TRUE(
            QString(refused) == "isit"
                ? test::refuseRows(hdbc(), GetParam(), "isit",
                                   QStringLiteral("new.ii01 = %1").arg(fid))
                : test::refuseRows(hdbc(), GetParam(), "indt",
                                   QStringLiteral("new.id00 = %1 and new.id08 = '4'").arg(fid),
                                   "update"));
        frm_field_new d;
        d.init(hdbc(), demo::kSystem, demo::kMainTable, fid, 1);
        d.Combo1->setCurrentIndex(0);
        d.Combo2->setCurrentIndex(1);
        PromptScript script;
        script.answer(vbOK);
        d.Command1->click();
        test::expectPrompt(
            script, QStringLiteral("增加栏目失败，请检查数据库是否已经断开或连接是否正常后重试！"));
        EXPECT_TRUE(d.Cancelled);
        EXPECT_EQ(sysISITGetRecordCount(hdbc(), fid), 1);
        EXPECT_EQ(version(fid), QStringLiteral("3"));
        EXPECT_EQ(d.Combo1->currentIndex(), 0);  // the choices stay for another try
    }
}

TEST_P(FieldNewTest, NothingChosenIsAnsweredFirst) {
    frm_field_new d;
    d.init(hdbc(), demo::kSystem, demo::kMainTable, demo_.itemEntry, 1);
    PromptScript script;
    script.answer(vbOK).answer(vbOK);
    d.Command1->click();
    d.Combo1->setCurrentIndex(0);
    d.Command1->click();
    ASSERT_EQ(script.prompts().size(), 2u);
    EXPECT_EQ(script.prompts()[0].text, QStringLiteral("请选择栏目名称！"));
    EXPECT_EQ(script.prompts()[1].text, QStringLiteral("请选择栏目类型！"));
    EXPECT_EQ(script.prompts()[1].style, vbInformation);
    EXPECT_EQ(script.prompts()[1].title, QStringLiteral("提示"));
    frm_field_new none;
    none.init(hdbc(), demo::kSystem, demo::kMainTable, demo_.itemEntry, 0);
    EXPECT_EQ(none.Combo1->count(), 0);
}

ZELK_ON_BOTH_BACKENDS(FieldNewTest);

}  // namespace
}  // namespace zelk
