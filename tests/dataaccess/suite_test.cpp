// The suite's read-only tables and the demo data set as the windows will read them.

#include <set>

#include <gtest/gtest.h>
#include <QUrl>
#include <QUrlQuery>

#include "component/fixedfield.h"
#include "dataaccess/demodata.h"
#include "dataaccess/dravix.h"
#include "support/testdb.h"

using namespace zelk;
using namespace zelk::test;

namespace {

class Suite : public BackendTest {
  protected:
    bool withDemoData() const override { return true; }
};

TEST_P(Suite, TableTree) {
    TableDefineRecord table;
    ASSERT_GE(sysTableGetDefine(hdbc(), demo::kMainTable, table), 1);
    EXPECT_EQ(fieldText(table.m02), QString("公文管理"));
    EXPECT_EQ(fieldText(table.m03), QString("bh"));
    EXPECT_EQ(sysTableGetDefine(hdbc(), "NOSUCH", table), 0);

    const std::int32_t h = sysTablePrepareGetChildTableData(hdbc(), demo::kMainTable);
    ASSERT_GT(h, 0);
    QStringList children;
    while (sysTableGetRecord(h, table) > 0) children << fieldText(table.m01);
    EXPECT_EQ(children, QStringList({"GWFJ", "GWLZ"}));
    EXPECT_EQ(sysTablePrepareGetChildTableData(hdbc(), "GWFJ"), 0) << "no child tables";
}

// Fields of the main table, its classes two levels deep, the system's reports: found or not.
TEST_P(Suite, FieldsClassesAndReports) {
    FieldRecord f;
    ASSERT_GE(sysFieldGetItem(hdbc(), "GWGL", "fj", f), 1);
    EXPECT_EQ(fieldText(f.m17), QString("GWFJ")) << "a sub-table field names its table";
    EXPECT_EQ(sysFieldGetItem(hdbc(), "GWGL", "nosuch", f), 0);

    SDSDRecord c;
    EXPECT_GE(sysSDSDGetRootClass(hdbc(), demo::kMainTable, demo::kSubClass, c), 1);
    EXPECT_GE(sysSDSDGetRootClass(hdbc(), demo::kMainTable, demo::kClass, c), 1);
    EXPECT_EQ(sysSDSDGetRootClass(hdbc(), demo::kMainTable, "没有的分类", c), 0);

    RGDTRecord r;
    const std::int32_t cursor = userRGDT_GetFirst(hdbc(), r, "RD01 = " + sqlQuote(demo::kSystem));
    ASSERT_GT(cursor, 0);
    QStringList names{fieldText(r.m03)};
    while (userRGDT_GetNext(cursor, r) > 0) names << fieldText(r.m03);
    EXPECT_EQ(names, QStringList({"发文登记簿", "收文登记簿", "公文催办单"}));
    EXPECT_EQ(userRGDT_GetFirst(hdbc(), r, "RD01 = '别的系统'"), 0);
}

TEST_P(Suite, ApprovalStepsOfAnInterfaceElseOfTheSystem) {
    const auto steps = [&](const QString& condition) {
        QStringList names;
        MBHJRecord r;
        const std::int32_t cursor = taskMBHJ_GetFirst(hdbc(), r, condition);
        if (cursor == 0) return names;
        names << fieldText(r.m01);
        while (taskMBHJ_GetNext(cursor, r) != 0) names << fieldText(r.m01);
        return names;
    };
    const auto route = [](int fid) {
        return "MH00 in (Select MZ02 from MBZX where MZ01 in (select MR00 from mBRW where MR05='" +
               QString::number(fid) + "'))";
    };
    EXPECT_EQ(steps(route(3)), QStringList({"拟稿", "核稿", "部门审核", "领导签发"}));
    EXPECT_TRUE(steps(route(5)).isEmpty());
    EXPECT_EQ(steps("MH03=" + sqlQuote(demo::kSystem)).size(), 5);
    EXPECT_TRUE(steps("no such column").isEmpty());
}

TEST_P(Suite, UsersFoldersAndTheSuiteDatabase) {
    EXPECT_EQ(ValidateUserGroup(hdbc(), demo::kAdminUser, demo::kAdminGroup), 1);
    EXPECT_EQ(ValidateUserGroup(hdbc(), demo::kUser, demo::kAdminGroup), 0);
    EXPECT_EQ(ValidateUserGroup(hdbc(), "O'Neil", demo::kAdminGroup), 0);
    QString files, reports;
    EXPECT_EQ(getFldPath(hdbc(), files, reports), 1);
    EXPECT_EQ(reports, QString("报表库"));
    EXPECT_EQ(sysMSSQLUses(hdbc(), "OA_SYS"), 0) << "no such database: nothing changes";
    EXPECT_EQ(odbc_GetDbsFlag(), 0);
}

// The demo item-entry form holds all thirteen kinds.
TEST_P(Suite, DemoInterfacesHoldEveryKind) {
    std::set<QString> entryKinds;
    const std::int32_t h = sysISITPrepareGetData(hdbc(), 3);
    ISITRecord item;
    while (sysISITGetRecord(h, item) > 0) entryKinds.insert(fieldText(item.ii06));
    EXPECT_EQ(entryKinds.size(), 13u);

    EXPECT_EQ(sysILITGetRecordCount(hdbc(), 6), 6);
    EXPECT_EQ(sysILSTGetRecordCount(hdbc(), 7), 6);
}

ZELK_ON_BOTH_BACKENDS(Suite);

TEST(SuiteDatabase, AServerSchemaOfThatNameIsSelected) {
    if (!TestDb::postgresAvailable()) GTEST_SKIP() << TestDb::postgresSkipReason().toStdString();
    TestDb demoDb(TestBackend::PostgreSQL, true);
    TestDb other(TestBackend::PostgreSQL);
    ASSERT_TRUE(demoDb.ok() && other.ok());
    const auto schemaOf = [](const TestDb& db) {
        return QUrlQuery(QUrl(db.connectionString())).queryItemValue("schema");
    };
    EXPECT_EQ(sysMSSQLUses(demoDb.hdbc(), schemaOf(other).toUpper()), 0);
    EXPECT_EQ(GetRecordsetCount(demoDb.hdbc(), "select * from indt"), 0);
    EXPECT_EQ(sysMSSQLUses(demoDb.hdbc(), schemaOf(demoDb)), 0);
    EXPECT_EQ(GetRecordsetCount(demoDb.hdbc(), "select * from indt"), 7);
}

TEST(DemoData, NeedsAnOpenConnectionAndLeavesNothingOnFailure) {
    EXPECT_FALSE(loadDemoData(987654));
    TestDb db(TestBackend::SQLite, true);
    ASSERT_TRUE(db.ok());
    // A database that holds interfaces is not loaded again.
    EXPECT_FALSE(loadDemoData(db.hdbc()));
    EXPECT_EQ(GetRecordsetCount(db.hdbc(), "select * from indt"), 7);
    EXPECT_EQ(GetRecordsetCount(db.hdbc(), "select * from systable"), 5);
}

TEST(Connections, BadConnectionStringsAreRefusedWithAReason) {
    QString error;
    EXPECT_EQ(dbOpenConnection("", &error), 0);
    EXPECT_FALSE(error.isEmpty());
    EXPECT_EQ(dbOpenConnection("postgresql://nohost", &error), 0);
    EXPECT_EQ(dbOpenConnection("sqlite:/nonexistent-folder/x/zelk.db", &error), 0);
    EXPECT_FALSE(error.isEmpty());
    dbCloseConnection(12345);  // unknown handles are harmless
}

}  // namespace
