// The SQL texts and conditions that the suite's windows hand to the library, written as those
// windows build them, run against the demo data on both back ends: each must run and find what
// it is meant to find.

#include <functional>
#include <memory>
#include <optional>
#include <set>
#include <tuple>

#include <gtest/gtest.h>

#include "component/fixedfield.h"
#include "dataaccess/demodata.h"
#include "dataaccess/dravix.h"
#include "support/testdb.h"

using namespace zelk;
using namespace zelk::test;

namespace {

using Rows = std::vector<QStringList>;

// "id00,id01,...,id20" and the like.
QString columnList(const char* prefix, int last) {
    QStringList names;
    for (int k = 0; k <= last; ++k)
        names << QString::fromLatin1(prefix) + QString::number(k).rightJustified(2, '0');
    return names.join(',');
}

QString num(std::int32_t n) {
    return QString::number(n);
}

// Every row of a select text through the buffer cursor; nullopt when the text is refused.
std::optional<Rows> bufferRows(std::int32_t hdbc, const QString& sql, int columns) {
    const std::int32_t handle = sysBufferTablePrepareGetData(hdbc, sql);
    if (handle <= 0) return std::nullopt;
    Rows rows;
    for (std::int32_t at = sysBufferTableGetRecord(handle); at > 0;
         at = sysBufferTableGetRecord(at)) {
        QStringList row;
        for (int c = 1; c <= columns; ++c) {
            QString value;
            EXPECT_EQ(sysBufferTableGetData(at, c, value), 1);
            row << value.trimmed();
        }
        rows.push_back(row);
    }
    return rows;
}

std::optional<QStringList> sysTableRows(std::int32_t hdbc, const QString& table,
                                        const QString& columns, const QString& condition,
                                        int count) {
    const std::int32_t handle = sysSYSTablePrepareGetData(hdbc, table, columns, condition);
    if (handle <= 0) return std::nullopt;
    QStringList rows;
    QString row;
    while (sysSYSTableGetRecord(handle, row, count) > 0) rows << row;
    return rows;
}

template <class Row>
std::optional<std::vector<Row>> fetchAll(std::int32_t handle,
                                         std::int32_t (*next)(std::int32_t, Row&)) {
    if (handle <= 0) return std::nullopt;
    std::vector<Row> rows;
    Row row{};
    while (next(handle, row) > 0) rows.push_back(std::exchange(row, Row{}));
    return rows;
}

std::vector<ISITRecord> isitOf(std::int32_t hdbc, std::int32_t number) {
    return fetchAll(sysISITPrepareGetData(hdbc, number), &sysISITGetRecord).value();
}
std::vector<IJSTRecord> ijstOf(std::int32_t hdbc, std::int32_t number) {
    return fetchAll(sysIJSTPrepareGetData(hdbc, number), &sysIJSTGetRecord).value();
}
std::vector<ILITRecord> ilitOf(std::int32_t hdbc, std::int32_t number) {
    return fetchAll(sysILITPrepareGetData(hdbc, number), &sysILITGetRecord).value();
}
std::vector<ILSTRecord> ilstOf(std::int32_t hdbc, std::int32_t number) {
    return fetchAll(sysILSTPrepareGetData(hdbc, number), &sysILSTGetRecord).value();
}

template <class Row, class Member>
std::set<QString> texts(const std::vector<Row>& rows, Member member) {
    std::set<QString> values;
    for (const Row& r : rows) values.insert(fieldText(r.*member));
    return values;
}

QString midValue(std::int32_t hdbc, const QString& sql) {
    MidTableRecord value;
    GetRecordDataFromMidTable(hdbc, value, sql);
    return fieldText(value.m00);
}

INDTRecord indt(std::int32_t hdbc, std::int32_t number) {
    INDTRecord row;
    EXPECT_GE(sysINDTGetDataByNo(hdbc, row, number), 1) << number;
    return row;
}

// ---- The texts ------------------------------------------------------------------------------

struct Ctx {
    std::int32_t hdbc;
    const DemoInterfaces& n;
};

struct SuiteText {
    const char* name;
    std::function<void(const Ctx&)> check;
};

void PrintTo(const SuiteText& text, std::ostream* os) {
    *os << text.name;
}

// The companion lookups of a saved item-entry interface.
QString companionQuery(const QString& kind) {
    return "select id00 from indt where id01=" + sqlQuote(demo::kMainTable) +
           " and id02=" + sqlQuote(demo::kClass) + " and id05=" + sqlQuote(kind) +
           " and (id07='' or id07 is null)";
}

// The candidate fields of the add-field dialog: template rows whose column the interface lacks.
// `middle` is the kind's piece as the dialog has it, opening with the quote that closes the
// system name; here the names are spliced quoted, so that quote is already there.
QString candidates(const char* middle, std::int32_t fid, const char* closing) {
    return "(II01 = (SELECT ID00  FROM INDT  WHERE (ID01 = " + sqlQuote(demo::kMainTable) +
           ") AND (ID09 = " + sqlQuote(demo::kSystem) + QString::fromLatin1(middle).mid(1) +
           num(fid) + QString::fromLatin1(closing);
}

// Reference row of the add-field dialog: the lowest bound row of the interface.
template <class Row>
void expectReferenceRow(const std::optional<std::vector<Row>>& got, const std::vector<Row>& all,
                        std::int32_t Row::*bottom) {
    ASSERT_TRUE(got.has_value());
    ASSERT_FALSE(got->empty());
    std::int32_t lowest = 0;
    for (const Row& r : all) lowest = std::max(lowest, r.*bottom);
    for (const Row& r : *got) EXPECT_EQ(r.*bottom, lowest);
}

template <class Row>
std::set<QString> boundOf(const std::optional<std::vector<Row>>& rows) {
    std::set<QString> values;
    for (const Row& r : rows.value()) values.insert(fieldText(r.ii02));
    return values;
}

QStringList approvalSteps(std::int32_t hdbc, const QString& condition) {
    QStringList names;
    MBHJRecord r;
    const std::int32_t cursor = taskMBHJ_GetFirst(hdbc, r, condition);
    if (cursor == 0) return names;
    names << fieldText(r.m01);
    while (taskMBHJ_GetNext(cursor, r) != 0) names << fieldText(r.m01);
    return names;
}

const std::vector<SuiteText>& suiteTexts() {
    static const std::vector<SuiteText> all = {
        // Saving an item-entry interface: the class's default item-search form and browse list.
        {"CompanionSearchForm",
         [](const Ctx& c) {
             EXPECT_EQ(midValue(c.hdbc, companionQuery("3")), num(c.n.itemSearch));
         }},
        {"CompanionBrowseList",
         [](const Ctx& c) {
             EXPECT_EQ(midValue(c.hdbc, companionQuery("4")), num(c.n.browseList));
         }},
        {"CompanionOfAClassWithout",
         [](const Ctx& c) {
             const QString sql = "select id00 from indt where id01=" + sqlQuote("GWGL") +
                                 " and id02=" + sqlQuote("收文") +
                                 " and id05='3' and (id07='' or id07 is null)";
             EXPECT_EQ(midValue(c.hdbc, sql), QString());
         }},
        // The designer's own lookups on the suite's data source.
        {"InterfaceKeys",
         [](const Ctx& c) {
             const auto rows = bufferRows(
                 c.hdbc, "select id01,id02,id07 from indt where id00=" + num(c.n.itemEntrySecond),
                 3);
             ASSERT_TRUE(rows.has_value());
             ASSERT_EQ(rows->size(), 1u);
             EXPECT_EQ(rows->at(0), QStringList({"GWGL", "发文", "aaaaa"}));
         }},
        {"InterfaceByKeysWithFlag",
         [](const Ctx& c) {
             // The flag is spliced with a blank before its closing quote.
             const QString sql =
                 "select id00 from indt where id01='GWGL' and id02='发文' and "
                 "id07='aaaaa ' and id05='1'";
             const auto rows = bufferRows(c.hdbc, sql, 1);
             ASSERT_TRUE(rows.has_value());
             EXPECT_EQ(*rows, Rows({{num(c.n.itemEntrySecond)}}));
         }},
        {"InterfaceByKeysWithoutFlag",
         [](const Ctx& c) {
             const QString sql =
                 "select id00 from indt where id01='GWGL' and id02='发文' and "
                 "id07=' ' and id05='4'";
             const auto rows = bufferRows(c.hdbc, sql, 1);
             ASSERT_TRUE(rows.has_value());
             EXPECT_EQ(*rows, Rows({{num(c.n.browseList)}}));
         }},
        {"BrowseListColumns",
         [](const Ctx& c) {
             const auto rows = bufferRows(
                 c.hdbc, "select is02,is04,is07 from ilst where is01=" + num(c.n.browseList), 3);
             ASSERT_TRUE(rows.has_value());
             ASSERT_EQ(rows->size(), 6u);
             std::set<QString> bound;
             for (const QStringList& r : *rows) bound.insert(r.at(0));
             EXPECT_EQ(bound, texts(ilstOf(c.hdbc, c.n.browseList), &ILSTRecord::is02));
         }},
        {"InterfaceTableAndSystem",
         [](const Ctx& c) {
             const auto rows = bufferRows(
                 c.hdbc, "select id01,id09 from indt where id00=" + num(c.n.itemEntry), 2);
             ASSERT_TRUE(rows.has_value());
             EXPECT_EQ(*rows, Rows({{"GWGL", "协同办公"}}));
         }},
        // The designers load the row the add-field dialog stored.
        {"EntryItemByKey",
         [](const Ctx& c) {
             const ISITRecord item = isitOf(c.hdbc, c.n.itemEntry).at(4);
             const auto rows = fetchAll(sysISITPrepareGetDataEx(c.hdbc, "II00=" + num(item.ii00)),
                                        &sysISITGetRecord);
             ASSERT_TRUE(rows.has_value());
             ASSERT_EQ(rows->size(), 1u);
             EXPECT_EQ(toWire(rows->at(0)), toWire(item));
         }},
        {"SearchItemByKey",
         [](const Ctx& c) {
             const IJSTRecord item = ijstOf(c.hdbc, c.n.itemSearch).at(2);
             const auto rows = fetchAll(sysIJSTPrepareGetDataEx(c.hdbc, "IS00=" + num(item.is00)),
                                        &sysIJSTGetRecord);
             ASSERT_TRUE(rows.has_value());
             ASSERT_EQ(rows->size(), 1u);
             EXPECT_EQ(toWire(rows->at(0)), toWire(item));
         }},
        // Approval steps of the check-box and postil dialogs.
        {"ApprovalStepsOfTheInterface",
         [](const Ctx& c) {
             const QString condition =
                 "MH00 in (Select MZ02 from MBZX where MZ01 in (select MR00 "
                 "from mBRW where MR05=" +
                 sqlQuote(num(c.n.itemEntry)) + "))";
             EXPECT_EQ(approvalSteps(c.hdbc, condition),
                       QStringList({"拟稿", "核稿", "部门审核", "领导签发"}));
         }},
        {"ApprovalStepsOfTheSystem",
         [](const Ctx& c) {
             EXPECT_EQ(approvalSteps(c.hdbc, "MH03=" + sqlQuote(demo::kSystem)).size(), 5);
         }},
        // Reports of the interface properties dialog.
        {"ReportsOfTheSystem",
         [](const Ctx& c) {
             RGDTRecord r;
             const std::int32_t cursor =
                 userRGDT_GetFirst(c.hdbc, r, "RD01 = " + sqlQuote(demo::kSystem));
             ASSERT_GT(cursor, 0);
             int count = 1;
             while (userRGDT_GetNext(cursor, r) > 0) ++count;
             EXPECT_EQ(count, 3);
         }},
        // The interface manager deletes one item row.
        {"DeleteEntryItem",
         [](const Ctx& c) {
             const auto before = isitOf(c.hdbc, c.n.itemEntry);
             EXPECT_GE(ExecSQL(c.hdbc, "delete from isit where ii00 = " + num(before.at(3).ii00)),
                       0);
             const auto after = isitOf(c.hdbc, c.n.itemEntry);
             EXPECT_EQ(after.size(), before.size() - 1);
             for (const ISITRecord& r : after) EXPECT_NE(r.ii00, before.at(3).ii00);
         }},
        {"DeleteListEntryColumn",
         [](const Ctx& c) {
             const auto before = ilitOf(c.hdbc, c.n.listEntry);
             EXPECT_GE(ExecSQL(c.hdbc, "delete from ilit where ii00 = " + num(before.at(0).ii00)),
                       0);
             EXPECT_EQ(ilitOf(c.hdbc, c.n.listEntry).size(), before.size() - 1);
         }},
        {"DeleteSearchItem",
         [](const Ctx& c) {
             const auto before = ijstOf(c.hdbc, c.n.itemSearch);
             EXPECT_GE(ExecSQL(c.hdbc, "delete from ijst where is00 = " + num(before.at(1).is00)),
                       0);
             EXPECT_EQ(ijstOf(c.hdbc, c.n.itemSearch).size(), before.size() - 1);
         }},
        {"DeleteBrowseColumn",
         [](const Ctx& c) {
             const auto before = ilstOf(c.hdbc, c.n.browseList);
             EXPECT_GE(ExecSQL(c.hdbc, "delete from ilst where is00 = " + num(before.at(5).is00)),
                       0);
             EXPECT_EQ(ilstOf(c.hdbc, c.n.browseList).size(), before.size() - 1);
         }},
        // The add-field dialog: candidate fields of each kind of interface.
        {"EntryCandidates",
         [](const Ctx& c) {
             const std::int32_t fid = c.n.itemEntry;
             const auto got = fetchAll(
                 sysISITPrepareGetDataEx(
                     c.hdbc, candidates("') AND (ID05 = '6'))) AND  (II02 NOT IN (SELECT II02  "
                                        "FROM ISIT  WHERE II01 = ",
                                        fid, " and II02 is not null)) ")),
                 &sysISITGetRecord);
             std::set<QString> expected =
                 texts(isitOf(c.hdbc, c.n.systemTemplate), &ISITRecord::ii02);
             for (const QString& b : texts(isitOf(c.hdbc, fid), &ISITRecord::ii02))
                 expected.erase(b);
             ASSERT_FALSE(expected.empty());
             EXPECT_EQ(boundOf(got), expected);
         }},
        {"ListEntryCandidates",
         [](const Ctx& c) {
             const std::int32_t fid = c.n.listEntry;
             const auto got = fetchAll(
                 sysISITPrepareGetDataEx(
                     c.hdbc, candidates("') AND (ID05 = '6'))) AND  (II02 NOT IN (SELECT II02  "
                                        "FROM ILIT  WHERE II01 = ",
                                        fid, " and II02 is not null and ii02<>'')) ")),
                 &sysISITGetRecord);
             std::set<QString> expected =
                 texts(isitOf(c.hdbc, c.n.systemTemplate), &ISITRecord::ii02);
             for (const QString& b : texts(ilitOf(c.hdbc, fid), &ILITRecord::ii02))
                 expected.erase(b);
             ASSERT_FALSE(expected.empty());
             EXPECT_EQ(boundOf(got), expected);
         }},
        {"SearchCandidates",
         [](const Ctx& c) {
             const std::int32_t fid = c.n.itemSearch;
             const auto got = fetchAll(
                 sysISITPrepareGetDataEx(
                     c.hdbc, candidates("') AND (ID05 = '6'))) AND  (II02 NOT IN (SELECT IS02  "
                                        "FROM IJST  WHERE IS01 = ",
                                        fid, " and IS02 is not null and IS02<>'' )) ")),
                 &sysISITGetRecord);
             std::set<QString> expected =
                 texts(isitOf(c.hdbc, c.n.systemTemplate), &ISITRecord::ii02);
             for (const QString& b : texts(ijstOf(c.hdbc, fid), &IJSTRecord::is02))
                 expected.erase(b);
             ASSERT_FALSE(expected.empty());
             EXPECT_EQ(boundOf(got), expected);
         }},
        {"BrowseCandidates",
         [](const Ctx& c) {
             const std::int32_t fid = c.n.browseList;
             const auto got = fetchAll(
                 sysISITPrepareGetDataEx(
                     c.hdbc, candidates("') AND (ID05 = '6'))) AND  (II02 NOT IN (SELECT IS02  "
                                        "FROM ILST  WHERE IS01 = ",
                                        fid, ")) ")),
                 &sysISITGetRecord);
             std::set<QString> expected =
                 texts(isitOf(c.hdbc, c.n.systemTemplate), &ISITRecord::ii02);
             for (const QString& b : texts(ilstOf(c.hdbc, fid), &ILSTRecord::is02))
                 expected.erase(b);
             ASSERT_FALSE(expected.empty());
             EXPECT_EQ(boundOf(got), expected);
         }},
        {"CustomLabels",
         [](const Ctx& c) {
             const std::int32_t fid = c.n.itemEntry;
             ISITRecord label{};
             label.ii01 = fid;
             setField(label.ii02, QStringLiteral("ZDYBQ03"));
             ASSERT_GE(sysISITInsertRecord(c.hdbc, label), 1);
             const auto got = fetchAll(
                 sysISITPrepareGetDataEx(c.hdbc, "II01 = " + num(fid) +
                                                     " and II02 is not null and II02 <>'' and "
                                                     "left(II02,5)='ZDYBQ' "),
                 &sysISITGetRecord);
             EXPECT_EQ(boundOf(got), std::set<QString>({"ZDYBQ1", "ZDYBQ03"}));
         }},
        {"EntryReferenceRow",
         [](const Ctx& c) {
             const QString fid = num(c.n.itemEntry);
             expectReferenceRow(
                 fetchAll(sysISITPrepareGetDataEx(
                              c.hdbc, "(II01 = " + fid +
                                          ") AND (II14 IN  (SELECT MAX(ii14)  FROM ISIT  WHERE "
                                          "ii01 = " +
                                          fid + " and not ii02 is null ))"),
                          &sysISITGetRecord),
                 isitOf(c.hdbc, c.n.itemEntry), &ISITRecord::ii14);
         }},
        {"ListEntryReferenceRow",
         [](const Ctx& c) {
             const QString fid = num(c.n.listEntry);
             expectReferenceRow(
                 fetchAll(sysILITPrepareGetDataEx(
                              c.hdbc, "(II01 = " + fid +
                                          ") AND (II14 IN  (SELECT MAX(ii14)  FROM ILIT  WHERE "
                                          "ii01 = " +
                                          fid + " and not ii02 is null ))"),
                          &sysILITGetRecord),
                 ilitOf(c.hdbc, c.n.listEntry), &ILITRecord::ii14);
         }},
        {"SearchReferenceRow",
         [](const Ctx& c) {
             const QString fid = num(c.n.itemSearch);
             expectReferenceRow(
                 fetchAll(sysIJSTPrepareGetDataEx(
                              c.hdbc, "(IS01 = " + fid +
                                          ") AND (IS14 IN  (SELECT MAX(IS14)  FROM IJST  WHERE "
                                          "IS01 = " +
                                          fid + " and not is02 is null))"),
                          &sysIJSTGetRecord),
                 ijstOf(c.hdbc, c.n.itemSearch), &IJSTRecord::is14);
         }},
        {"BrowseReferenceRow",
         [](const Ctx& c) {
             const QString fid = num(c.n.browseList);
             expectReferenceRow(
                 fetchAll(sysILSTPrepareGetDataEx(
                              c.hdbc, "(IS01 = " + fid +
                                          ") AND (IS14 IN  (SELECT MAX(IS14)  FROM ILST  WHERE "
                                          "IS01 = " +
                                          fid + " and not is02 is null))"),
                          &sysILSTGetRecord),
                 ilstOf(c.hdbc, c.n.browseList), &ILSTRecord::is14);
         }},
        // The list designer raises the version by a statement of its own.
        {"ListVersionUpdate",
         [](const Ctx& c) {
             EXPECT_GE(
                 ExecSQL(c.hdbc, "UPDATE INDT SET ID08 = '42' WHERE ID00 = " + num(c.n.listEntry)),
                 0);
             EXPECT_EQ(fieldText(indt(c.hdbc, c.n.listEntry).id08), QStringLiteral("42"));
             EXPECT_EQ(fieldText(indt(c.hdbc, c.n.browseList).id08), QStringLiteral("1"));
         }},
        // Package export: counts and rows of the ticked interfaces and of their items.
        {"ExportInterfaces",
         [](const Ctx& c) {
             const QString columns = columnList("id", 20);
             const QString condition =
                 "id00 = " + num(c.n.itemEntry) + " or id00 = " + num(c.n.browseList);
             EXPECT_EQ(
                 GetRecordsetCount(c.hdbc, "select " + columns + " from INDT where " + condition),
                 2);
             const auto rows = sysTableRows(c.hdbc, "INDT", columns, condition, 21);
             ASSERT_TRUE(rows.has_value());
             ASSERT_EQ(rows->size(), 2u);
             EXPECT_TRUE(rows->at(0).startsWith(num(c.n.itemEntry) + "|GWGL|发文|发文登记|"))
                 << rows->at(0).toStdString();
             EXPECT_EQ(rows->at(0).count('|'), 20);
         }},
        {"ExportWithNothingTicked",
         [](const Ctx& c) {
             // No ticked interface leaves the condition empty: the count fails and counts as 0.
             EXPECT_LE(
                 GetRecordsetCount(c.hdbc, "select " + columnList("id", 20) + " from INDT where "),
                 0);
         }},
        {"ExportEntryItems",
         [](const Ctx& c) {
             const QString columns = columnList("ii", 45);
             const QString condition = "ii01 =  " + num(c.n.itemEntry);
             const auto expected = static_cast<int>(isitOf(c.hdbc, c.n.itemEntry).size());
             EXPECT_EQ(
                 GetRecordsetCount(c.hdbc, "select " + columns + " from isit where " + condition),
                 expected);
             const auto rows = sysTableRows(c.hdbc, "isit", columns, condition, 46);
             ASSERT_TRUE(rows.has_value());
             ASSERT_EQ(static_cast<int>(rows->size()), expected);
             EXPECT_EQ(rows->at(0).count('|'), 45);
         }},
        {"ExportListEntryColumns",
         [](const Ctx& c) {
             const QString columns = columnList("ii", 30);
             const QString condition = "ii01 =  " + num(c.n.listEntry);
             EXPECT_EQ(
                 GetRecordsetCount(c.hdbc, "select " + columns + " from ilit where " + condition),
                 6);
             const auto rows = sysTableRows(c.hdbc, "ilit", columns, condition, 46);
             ASSERT_TRUE(rows.has_value());
             ASSERT_EQ(rows->size(), 6u);
             EXPECT_EQ(rows->at(0).count('|'), 30);
         }},
        {"ExportSearchItems",
         [](const Ctx& c) {
             const QString columns = columnList("is", 45);
             const QString condition = "is01 =  " + num(c.n.itemSearch);
             const auto expected = static_cast<int>(ijstOf(c.hdbc, c.n.itemSearch).size());
             EXPECT_EQ(
                 GetRecordsetCount(c.hdbc, "select " + columns + " from ijst where " + condition),
                 expected);
             const auto rows = sysTableRows(c.hdbc, "ijst", columns, condition, 46);
             ASSERT_TRUE(rows.has_value());
             EXPECT_EQ(static_cast<int>(rows->size()), expected);
         }},
        {"ExportBrowseColumns",
         [](const Ctx& c) {
             const QString columns = columnList("is", 30);
             const QString condition = "is01 =  " + num(c.n.browseList);
             EXPECT_EQ(
                 GetRecordsetCount(c.hdbc, "select " + columns + " from ilst where " + condition),
                 6);
             const auto rows = sysTableRows(c.hdbc, "ilst", columns, condition, 46);
             ASSERT_TRUE(rows.has_value());
             EXPECT_EQ(rows->size(), 6u);
         }},
        // Package import: the class template test, the template's finish, the class list.
        {"ClassTemplateByName",
         [](const Ctx& c) {
             const auto found = bufferRows(
                 c.hdbc, "select * from indt where id03=" + sqlQuote("[发文]分类模板"), 1);
             ASSERT_TRUE(found.has_value());
             EXPECT_EQ(*found, Rows({{num(c.n.classTemplate)}}));
             const auto none = bufferRows(
                 c.hdbc, "select * from indt where id03=" + sqlQuote("[收文]分类模板"), 1);
             ASSERT_TRUE(none.has_value());
             EXPECT_TRUE(none->empty());
         }},
        {"DeleteOldClassTemplate",
         [](const Ctx& c) {
             // Only a class template goes: the same text with another number deletes nothing.
             EXPECT_GE(
                 ExecSQL(c.hdbc, "delete indt where id00=" + num(c.n.itemEntry) + " and id05='5'"),
                 0);
             EXPECT_GE(ExecSQL(c.hdbc, "delete indt where id00=" + num(c.n.classTemplate) +
                                           " and id05='5'"),
                       0);
             INDTRecord row;
             EXPECT_LT(sysINDTGetDataByNo(c.hdbc, row, c.n.classTemplate), 1);
             EXPECT_GE(sysINDTGetDataByNo(c.hdbc, row, c.n.itemEntry), 1);
         }},
        {"TemplateItemColumns",
         [](const Ctx& c) {
             const auto rows = bufferRows(
                 c.hdbc, "select ii02 from isit where ii01=" + sqlQuote(num(c.n.classTemplate)), 1);
             ASSERT_TRUE(rows.has_value());
             const auto items = isitOf(c.hdbc, c.n.classTemplate);
             ASSERT_EQ(rows->size(), items.size());
             std::set<QString> got;
             for (const QStringList& r : *rows) got.insert(r.at(0));
             EXPECT_EQ(got, texts(items, &ISITRecord::ii02));
         }},
        {"RekeyTemplateItem",
         [](const Ctx& c) {
             const std::int32_t old = c.n.classTemplate;
             const std::int32_t fresh = c.n.itemEntrySecond;
             const QString b = fieldText(isitOf(c.hdbc, old).at(0).ii02);
             const auto before = isitOf(c.hdbc, old).size();
             EXPECT_GE(ExecSQL(c.hdbc, "update isit set ii01=" + sqlQuote(num(fresh)) +
                                           " where ii01=" + sqlQuote(num(old)) +
                                           "and ii02=" + sqlQuote(b)),
                       0);
             EXPECT_EQ(isitOf(c.hdbc, old).size(), before - 1);
             EXPECT_EQ(texts(isitOf(c.hdbc, fresh), &ISITRecord::ii02).count(b), 1u);
         }},
        {"RenameClassTemplate",
         [](const Ctx& c) {
             const QString fresh = num(c.n.itemEntrySecond);
             const auto cls =
                 bufferRows(c.hdbc, "select id02 from indt where id00=" + sqlQuote(fresh), 1);
             ASSERT_TRUE(cls.has_value());
             ASSERT_EQ(*cls, Rows({{"发文"}}));
             EXPECT_GE(ExecSQL(c.hdbc, "update indt set id03=" +
                                           sqlQuote("[" + cls->at(0).at(0) + "]分类模板") +
                                           " where id00=" + sqlQuote(fresh)),
                       0);
             EXPECT_EQ(fieldText(indt(c.hdbc, c.n.itemEntrySecond).id03),
                       QStringLiteral("[发文]分类模板"));
         }},
        {"ClassesOfTheMainTable",
         [](const Ctx& c) {
             const auto rows = bufferRows(
                 c.hdbc, "select ss04 from sdsd where ss01=" + sqlQuote(demo::kMainTable), 1);
             ASSERT_TRUE(rows.has_value());
             QStringList classes;
             for (const QStringList& r : *rows) classes << r.at(0);
             EXPECT_EQ(classes.size(), 5);
             EXPECT_TRUE(classes.contains(demo::kClass));
             EXPECT_TRUE(classes.contains(demo::kSubClass));
         }},
        {"LargestInterfaceNumber",
         [](const Ctx& c) { EXPECT_EQ(GetMaxNo(c.hdbc, "ID00", "INDT"), c.n.browseList); }},
    };
    return all;
}

class SuiteSqlTexts : public ::testing::TestWithParam<std::tuple<TestBackend, SuiteText>> {
  protected:
    void SetUp() override {
        const TestBackend backend = std::get<0>(GetParam());
        if (backend == TestBackend::PostgreSQL && !TestDb::postgresAvailable())
            GTEST_SKIP() << TestDb::postgresSkipReason().toStdString();
        db_ = std::make_unique<TestDb>(backend);
        ASSERT_TRUE(db_->ok()) << db_->error().toStdString();
        ASSERT_TRUE(loadDemoData(db_->hdbc(), &numbers_));
    }

    std::unique_ptr<TestDb> db_;
    DemoInterfaces numbers_;
};

TEST_P(SuiteSqlTexts, RunsAndFindsWhatItShould) {
    std::get<1>(GetParam()).check(Ctx{db_->hdbc(), numbers_});
}

INSTANTIATE_TEST_SUITE_P(Texts, SuiteSqlTexts,
                         ::testing::Combine(::testing::Values(TestBackend::SQLite,
                                                              TestBackend::PostgreSQL),
                                            ::testing::ValuesIn(suiteTexts())),
                         [](const ::testing::TestParamInfo<SuiteSqlTexts::ParamType>& info) {
                             const bool sqlite = std::get<0>(info.param) == TestBackend::SQLite;
                             return std::string(sqlite ? "SQLite_" : "PostgreSQL_") +
                                    std::get<1>(info.param).name;
                         });

}  // namespace
