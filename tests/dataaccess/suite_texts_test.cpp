// The SQL texts and conditions that the suite's windows hand to the library, written as those
// windows build them, run against the demo data on both back ends: each must run and find what
// it is meant to find.

#include <algorithm>
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

QString num(std::int32_t n) {
    return QString::number(n);
}

// "id00,id01,...,id20" and the like.
QString columnList(const QString& prefix, int last) {
    QStringList names;
    for (int k = 0; k <= last; ++k) names << prefix + QString::number(k).rightJustified(2, '0');
    return names.join(',');
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

void expectRows(std::int32_t hdbc, const QString& sql, const Rows& expected) {
    const auto rows = bufferRows(hdbc, sql, expected.empty() ? 1 : int(expected[0].size()));
    ASSERT_TRUE(rows.has_value()) << sql.toStdString();
    EXPECT_EQ(*rows, expected) << sql.toStdString();
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

// ---- The item and column tables -----------------------------------------------------------

// A row of an item or column table: key, interface, bottom, bound column and the record's bytes.
struct Item {
    std::int32_t key, owner, bottom;
    QString bound;
    QByteArray wire;
};
template <class R>
Item item(const R& r) {
    if constexpr (requires { r.ii00; })
        return {r.ii00, r.ii01, r.ii14, fieldText(r.ii02), toWire(r)};
    else
        return {r.is00, r.is01, r.is14, fieldText(r.is02), toWire(r)};
}

// The table's rows that meet a condition, through its ...PrepareGetDataEx cursor.
using Select = std::function<std::optional<std::vector<Item>>(std::int32_t, const QString&)>;

template <class R>
Select selectWith(std::int32_t (*prepare)(std::int32_t, const QString&),
                  std::int32_t (*next)(std::int32_t, R&)) {
    return [=](std::int32_t hdbc, const QString& condition) -> std::optional<std::vector<Item>> {
        const std::int32_t handle = prepare(hdbc, condition);
        if (handle <= 0) return std::nullopt;
        std::vector<Item> rows;
        R row{};
        while (next(handle, row) > 0) rows.push_back(item(std::exchange(row, R{})));
        return rows;
    };
}

std::set<QString> boundOf(const std::vector<Item>& rows) {
    std::set<QString> values;
    for (const Item& r : rows) values.insert(r.bound);
    return values;
}

struct ItemTable {
    const char* label;
    const char* prefix;  // of its members
    std::int32_t DemoInterfaces::*fid;
    Select select;
    const char* candidates;  // the add-field dialog's bound columns of interface %1
    const char* reference;   // the add-field dialog's lowest bound row of interface %1

    std::vector<Item> rowsOf(std::int32_t hdbc, std::int32_t number) const {
        return select(hdbc, QString(prefix).toUpper() + "01 = " + num(number)).value();
    }
};

const std::vector<ItemTable>& itemTables() {
    static const std::vector<ItemTable> all = {
        {"EntryItem", "ii", &DemoInterfaces::itemEntry,
         selectWith(sysISITPrepareGetDataEx, sysISITGetRecord),
         "SELECT II02  FROM ISIT  WHERE II01 = %1 and II02 is not null)) ",
         "(II01 = %1) AND (II14 IN  (SELECT MAX(ii14)  FROM ISIT  WHERE ii01 = %1 and not ii02 is "
         "null ))"},
        {"ListEntryColumn", "ii", &DemoInterfaces::listEntry,
         selectWith(sysILITPrepareGetDataEx, sysILITGetRecord),
         "SELECT II02  FROM ILIT  WHERE II01 = %1 and II02 is not null and ii02<>'')) ",
         "(II01 = %1) AND (II14 IN  (SELECT MAX(ii14)  FROM ILIT  WHERE ii01 = %1 and not ii02 is "
         "null ))"},
        {"SearchItem", "is", &DemoInterfaces::itemSearch,
         selectWith(sysIJSTPrepareGetDataEx, sysIJSTGetRecord),
         "SELECT IS02  FROM IJST  WHERE IS01 = %1 and IS02 is not null and IS02<>'' )) ",
         "(IS01 = %1) AND (IS14 IN  (SELECT MAX(IS14)  FROM IJST  WHERE IS01 = %1 and not is02 is "
         "null))"},
        {"BrowseColumn", "is", &DemoInterfaces::browseList,
         selectWith(sysILSTPrepareGetDataEx, sysILSTGetRecord),
         "SELECT IS02  FROM ILST  WHERE IS01 = %1)) ",
         "(IS01 = %1) AND (IS14 IN  (SELECT MAX(IS14)  FROM ILST  WHERE IS01 = %1 and not is02 is "
         "null))"},
    };
    return all;
}
const ItemTable& isit() {
    return itemTables()[0];
}

// ---- The texts ------------------------------------------------------------------------------

struct Ctx {
    std::int32_t hdbc;
    const DemoInterfaces& n;
};

struct SuiteText {
    std::string name;
    std::function<void(const Ctx&)> check;
    friend void PrintTo(const SuiteText& text, std::ostream* os) { *os << text.name; }
};

// What the windows run on each item and column table.
std::vector<SuiteText> itemTableTexts(const ItemTable& t) {
    const std::string label = t.label;
    return {
        // The designers load the row the add-field dialog stored.
        {label + "ByKey",
         [&t](const Ctx& c) {
             const Item row = t.rowsOf(c.hdbc, c.n.*t.fid).at(2);
             const auto got = t.select(c.hdbc, QString(t.prefix).toUpper() + "00=" + num(row.key));
             ASSERT_TRUE(got.has_value());
             ASSERT_EQ(got->size(), 1u);
             EXPECT_EQ(got->at(0).wire, row.wire);
         }},
        // The add-field dialog: template fields the interface has not bound yet.
        {label + "Candidates",
         [&t](const Ctx& c) {
             const std::int32_t fid = c.n.*t.fid;
             std::set<QString> expected = boundOf(isit().rowsOf(c.hdbc, c.n.systemTemplate));
             for (const QString& b : boundOf(t.rowsOf(c.hdbc, fid))) expected.erase(b);
             ASSERT_FALSE(expected.empty());
             const auto got = isit().select(
                 c.hdbc,
                 "(II01 = (SELECT ID00  FROM INDT  WHERE (ID01 = " + sqlQuote(demo::kMainTable) +
                     ") AND (ID09 = " + sqlQuote(demo::kSystem) +
                     ") AND (ID05 = '6'))) AND  (II02 NOT IN (" + QString(t.candidates).arg(fid));
             ASSERT_TRUE(got.has_value());
             EXPECT_EQ(boundOf(*got), expected);
         }},
        // ... and its reference row: the lowest bound row of the interface.
        {label + "ReferenceRow",
         [&t](const Ctx& c) {
             const std::int32_t fid = c.n.*t.fid;
             std::int32_t lowest = 0;
             for (const Item& r : t.rowsOf(c.hdbc, fid)) lowest = std::max(lowest, r.bottom);
             const auto got = t.select(c.hdbc, QString(t.reference).arg(fid));
             ASSERT_TRUE(got.has_value());
             ASSERT_FALSE(got->empty());
             for (const Item& r : *got) EXPECT_EQ(r.bottom, lowest);
         }},
    };
}

std::vector<SuiteText> suiteTexts() {
    std::vector<SuiteText> all = {
        // The designer's lookups on the suite's data source: the flag is spliced with a blank
        // before its closing quote.
        {"InterfaceByKeysWithFlag",
         [](const Ctx& c) {
             expectRows(c.hdbc,
                        "select id00 from indt where id01='GWGL' and id02='发文' and "
                        "id07='aaaaa ' and id05='1'",
                        {{num(c.n.itemEntrySecond)}});
         }},
        {"InterfaceByKeysWithoutFlag",
         [](const Ctx& c) {
             expectRows(c.hdbc,
                        "select id00 from indt where id01='GWGL' and id02='发文' and id07=' ' "
                        "and id05='4'",
                        {{num(c.n.browseList)}});
         }},
        {"CustomLabels",
         [](const Ctx& c) {
             ISITRecord label{};
             label.ii01 = c.n.itemEntry;
             setField(label.ii02, QStringLiteral("ZDYBQ03"));
             ASSERT_GE(sysISITInsertRecord(c.hdbc, label), 1);
             const auto got = isit().select(
                 c.hdbc, "II01 = " + num(c.n.itemEntry) +
                             " and II02 is not null and II02 <>'' and left(II02,5)='ZDYBQ' ");
             ASSERT_TRUE(got.has_value());
             EXPECT_EQ(boundOf(*got), std::set<QString>({"ZDYBQ1", "ZDYBQ03"}));
         }},
        // Package export (item tables alike): counts and rows of the ticked interfaces; none
        // ticked leaves the condition empty, and the count fails and counts as 0.
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
             EXPECT_LE(GetRecordsetCount(c.hdbc, "select " + columns + " from INDT where "), 0);
         }},
        // Package import: the class template test and its items moved to the new interface.
        {"ClassTemplateByName",
         [](const Ctx& c) {
             expectRows(c.hdbc, "select * from indt where id03=" + sqlQuote("[发文]分类模板"),
                        {{num(c.n.classTemplate)}});
             expectRows(c.hdbc, "select * from indt where id03=" + sqlQuote("[收文]分类模板"), {});
         }},
        {"TemplateItemColumns",
         [](const Ctx& c) {
             const auto rows = bufferRows(
                 c.hdbc, "select ii02 from isit where ii01=" + sqlQuote(num(c.n.classTemplate)), 1);
             ASSERT_TRUE(rows.has_value());
             const auto items = isit().rowsOf(c.hdbc, c.n.classTemplate);
             std::set<QString> got;
             for (const QStringList& r : *rows) got.insert(r.at(0));
             EXPECT_EQ(rows->size(), items.size());
             EXPECT_EQ(got, boundOf(items));
         }},
        {"RekeyTemplateItem",
         [](const Ctx& c) {
             const std::int32_t old = c.n.classTemplate, fresh = c.n.itemEntrySecond;
             const auto before = isit().rowsOf(c.hdbc, old);
             const QString b = before.at(0).bound;
             EXPECT_GE(ExecSQL(c.hdbc, "update isit set ii01=" + sqlQuote(num(fresh)) +
                                           " where ii01=" + sqlQuote(num(old)) +
                                           "and ii02=" + sqlQuote(b)),
                       0);
             EXPECT_EQ(isit().rowsOf(c.hdbc, old).size(), before.size() - 1);
             EXPECT_EQ(boundOf(isit().rowsOf(c.hdbc, fresh)).count(b), 1u);
         }},
    };
    for (const ItemTable& t : itemTables()) {
        for (SuiteText& text : itemTableTexts(t)) all.push_back(std::move(text));
    }
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
