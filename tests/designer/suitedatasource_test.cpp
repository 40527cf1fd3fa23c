// The item-entry designer's own data source: named in the suite's settings file, never created,
// and the lookups that run on it.

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "component/fixedfield.h"
#include "dataaccess/demodata.h"
#include "dataaccess/dravix.h"
#include "designer/suitedatasource.h"
#include "platform/promptscript.h"
#include "support/testdb.h"

namespace zelk {
namespace {

void writeSettings(const QString& folder, const QByteArray& text) {
    QFile file(folder + QStringLiteral("/OaWsUser.ini"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(text);
}

class SuiteDataSourceTest : public test::DemoBackendTest {
  protected:
    void SetUp() override {
        DemoBackendTest::SetUp();
        if (IsSkipped() || HasFatalFailure()) return;
        source.folder = folder.path();
        writeSettings(folder.path(),
                      "[AppInfo]\r\nAppDNS = " + db().connectionString().toUtf8() + "\r\n");
        PromptScript script;
        ASSERT_TRUE(source.OpenDsnConnection());
        EXPECT_TRUE(script.prompts().empty());
    }
    QTemporaryDir folder;
    SuiteDataSource source;
};

// A quote in the class name is found like any other.
TEST_P(SuiteDataSourceTest, LooksUpInterfacesOfTheSameClass) {
    for (std::int32_t n : {demo_.itemEntry, demo_.itemSearch, demo_.browseList}) {
        INDTRecord row;
        ASSERT_GE(sysINDTGetDataByNo(hdbc(), row, n), 1);
        setField(row.id02, QStringLiteral("O'Neil's 发文"));
        ASSERT_GE(sysINDTUpdateRecord(hdbc(), row), 0);
    }
    std::int32_t number = demo_.itemEntry;
    std::int32_t result = -1;
    source.FindInterfaceByKeys(number, result, QStringLiteral("3"));
    EXPECT_EQ(result, demo_.itemSearch);
    source.FindInterfaceByKeys(number, result, QStringLiteral("4"));
    EXPECT_EQ(result, demo_.browseList);
    // No interface of that kind: the result stays.
    result = -1;
    source.FindInterfaceByKeys(number, result, QStringLiteral("x'; delete from indt; --"));
    EXPECT_EQ(result, -1);
    INDTRecord row;
    EXPECT_GE(sysINDTGetDataByNo(hdbc(), row, demo_.itemSearch), 1);

    QString system, table;
    source.QueryIndtNameAndId09(number, system, table);
    EXPECT_EQ(system, demo::kSystem);
    EXPECT_EQ(table, demo::kMainTable);
}

ZELK_ON_BOTH_BACKENDS(SuiteDataSourceTest);

struct BadSourceCase {
    const char* name;
    QByteArray settings;  // empty: no settings file
    friend void PrintTo(const BadSourceCase& c, std::ostream* os) { *os << c.name; }
};

class BadDataSourceTest : public ::testing::TestWithParam<BadSourceCase> {};

TEST_P(BadDataSourceTest, IsReportedAndCreatesNothing) {
    QTemporaryDir folder;
    if (!GetParam().settings.isEmpty()) writeSettings(folder.path(), GetParam().settings);
    const QStringList before =
        QDir(folder.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries);
    SuiteDataSource source;
    source.folder = folder.path();
    PromptScript script;
    script.answer(vbOK);
    EXPECT_FALSE(source.OpenDsnConnection());
    EXPECT_EQ(source.DsnConnection, 0);
    ASSERT_EQ(script.prompts().size(), 1u);
    EXPECT_EQ(script.prompts()[0].text, QStringLiteral("数据连接无效!"));
    EXPECT_EQ(script.prompts()[0].title, QStringLiteral("警告"));
    EXPECT_EQ(script.prompts()[0].style, vbCritical);
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries), before);
    EXPECT_FALSE(QFile::exists(QStringLiteral("OA_DSN")));
}

INSTANTIATE_TEST_SUITE_P(
    Sources, BadDataSourceTest,
    ::testing::Values(BadSourceCase{"NoSettingsFileGivesTheFolder", {}},
                      BadSourceCase{"OldOdbcName", "[appinfo]\nappdns=OA_DSN\n"},
                      BadSourceCase{"MissingFile", "[AppInfo]\nAppDNS=sqlite:/nowhere/oa.db\n"}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace zelk
