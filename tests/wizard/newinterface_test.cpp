// The wizard's new interface row: name, members, the default takeover and its failures.

#include <set>
#include <thread>

#include <gtest/gtest.h>

#include "platform/promptscript.h"
#include "wizard/generation.h"
#include "wizard_fixture.h"

using namespace zelk;
using namespace zelk::test;

namespace {

TEST(StoredInterfaceName, NameRule) {
    const QString seventy(70, QChar(u'名'));
    struct Case {
        QString name;
        int suffix;
        QString expected;
    } cases[] = {
        {"发文单", 1, "发文单2"}, {"发文单", 0, "发文单"},
        {"发文单", 2, "发文单"},  // greyed: no digit
        {"  ", 1, "  2"},         // blanks count as text
        {"", 1, "未命名界面"},    {seventy, 1, seventy.left(60) + "2"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(StoredInterfaceName({c.name, "", "", "", c.suffix}, "2"), c.expected)
            << c.name.toStdString();
}

class NewInterface : public WizardDb {
  protected:
    std::int32_t insert(const InterfaceEntries& e, const QString& kind = kKindItemEntry) {
        odbc_BeginTrans(hdbc());
        const std::int32_t n = InsertWizardInterface(context(), e, kind);
        n > 0 ? odbc_CommitTrans(hdbc()) : odbc_RollbackTrans(hdbc());
        return n;
    }
    QString flagOf(std::int32_t n) { return fieldText(interfaceRow(n).id07); }
};

TEST_P(NewInterface, StoresEveryMember) {
    const std::int32_t n = insert({"发文单", "说明文字", "默认", "签批单", 1}, kKindItemSearch);
    ASSERT_GT(n, 0);
    const INDTRecord r = interfaceRow(n);
    EXPECT_EQ(fieldText(r.id01), demo::kMainTable);
    EXPECT_EQ(fieldText(r.id02), demo::kClass);
    EXPECT_EQ(fieldText(r.id03), "发文单3");
    EXPECT_EQ(fieldText(r.id04), "说明文字");
    EXPECT_EQ(fieldText(r.id05), "3");
    EXPECT_EQ(fieldText(r.id06), "默认");
    EXPECT_EQ(fieldText(r.id07), "签批单");
    EXPECT_EQ(fieldText(r.id08), "0");
    EXPECT_EQ(fieldText(r.id09), demo::kSystem);
    EXPECT_EQ(fieldText(r.id11), "-2147483633");
    EXPECT_EQ(fieldText(r.id12), "-2147483633");
    for (const auto* zero : {&r.id10, &r.id13, &r.id14, &r.id15}) EXPECT_EQ(fieldText(*zero), "0");
    EXPECT_EQ(fieldText(r.id16), "");
    EXPECT_EQ(fieldText(r.id20), "");
}

// A blank flag makes the new interface the class's default of its kind: every old default of
// that kind becomes ordinary; other kinds, classes and flagged rows stay as they are.
TEST_P(NewInterface, BlankFlagTakesTheDefaultOver) {
    const std::int32_t oldDefault = numberOf("发文登记");
    const std::int32_t secondDefault = addInterface(demo::kClass, "另一默认", "1");
    const std::int32_t otherClass = addInterface("收文", "收文登记", "1");
    const std::int32_t otherKind = numberOf("发文查询");
    const std::int32_t flagged = addInterface(demo::kClass, "签批", "1", "签批单");
    for (const char* flag : {"", "   "}) {
        const std::int32_t n = insert({flag, "", "", QString::fromUtf8(flag), 0});
        ASSERT_GT(n, 0) << flag;
        EXPECT_EQ(flagOf(n), "");
        EXPECT_EQ(flagOf(oldDefault), "aaaaa");
        EXPECT_EQ(flagOf(secondDefault), "aaaaa");
        EXPECT_EQ(flagOf(otherClass), "");
        EXPECT_EQ(flagOf(otherKind), "");
        EXPECT_EQ(flagOf(flagged), "签批单");
        ASSERT_GE(sysINDTDeleteData(hdbc(), n), 0);
        INDTRecord old = interfaceRow(oldDefault);
        setField(old.id07, "");
        ASSERT_GE(sysINDTUpdateRecord(hdbc(), old), 0);
    }
}

TEST_P(NewInterface, AFlagLeavesTheDefaultsAlone) {
    const auto before = snapshot();
    const std::int32_t n = insert({"签批单界面", "", "", "签批单", 0});
    ASSERT_GT(n, 0);
    ASSERT_GE(sysINDTDeleteData(hdbc(), n), 0);
    EXPECT_TRUE(snapshot() == before) << "the database changed";
}

// A default that cannot be changed stops the routine before anything else is written.
TEST_P(NewInterface, FailedTakeoverIsReportedAndWritesNothing) {
    refuse("indt", "id07", "'aaaaa'");  // the demo already has an ordinary interface
    const auto before = snapshot();
    PromptScript script;
    script.answer(vbOK);
    EXPECT_EQ(insert({"新界面", "", "", "", 0}), 0);
    ASSERT_EQ(script.prompts().size(), 1u);
    EXPECT_EQ(script.prompts()[0].text, "界面标志修改错误！");
    EXPECT_EQ(script.prompts()[0].title, "错误");
    EXPECT_EQ(script.prompts()[0].style, vbExclamation);
    EXPECT_TRUE(snapshot() == before) << "the database changed";
}

TEST_P(NewInterface, FailedInsertIsReported) {
    ASSERT_GT(addInterface("收文", "重名1", "1"), 0);
    refuse("indt", "id03", "'重名1'");
    PromptScript script;
    script.answer(vbOK);
    EXPECT_EQ(insert({"重名", "", "", "x", 1}), -1);
    ASSERT_EQ(script.prompts().size(), 1u);
    EXPECT_EQ(script.prompts()[0].text, "数据保存失败：不能保存界面定义信息");
    EXPECT_EQ(script.prompts()[0].title, "提示");
    EXPECT_EQ(script.prompts()[0].style, vbInformation);
}

TEST_P(NewInterface, UnreadableTableIsReported) {
    WizardContext broken = context();
    broken.hdbc = 9999;
    PromptScript script;
    script.answer(vbOK);
    EXPECT_EQ(InsertWizardInterface(broken, {"新界面", "", "", "x", 0}, kKindItemEntry), 0);
    ASSERT_EQ(script.prompts().size(), 1u);
    EXPECT_EQ(script.prompts()[0].text, "不能打开数据库界面管理表，请联系系统管理员");
    EXPECT_EQ(script.prompts()[0].title, "提示");
    EXPECT_EQ(script.prompts()[0].style, vbOKCancel);
}

// People running the wizard at once each get a number of their own.
TEST_P(NewInterface, ConcurrentWizardsGetDistinctNumbers) {
    constexpr int kUsers = 3;
    constexpr int kEach = 4;
    std::vector<std::vector<bool>> results(kUsers);
    std::vector<std::thread> users;
    const QString where = db().connectionString();
    for (int u = 0; u < kUsers; ++u) {
        users.emplace_back([&, u] {
            const std::int32_t h = dbOpenConnection(where);
            if (h <= 0) return;
            WizardContext c{h, demo::kSystem, demo::kMainTable, demo::kClass};
            for (int i = 0; i < kEach; ++i)
                results[u].push_back(GenerateListInterface(
                    c, {QString("用户%1的界面%2").arg(u).arg(i), "", "", "x", 0}, {},
                    WizardList::BrowseList));
            dbCloseConnection(h);
        });
    }
    for (auto& t : users) t.join();
    for (const auto& list : results) EXPECT_EQ(list, std::vector<bool>(kEach, true));
    std::set<std::int32_t> numbers;
    for (int u = 0; u < kUsers; ++u)
        for (int i = 0; i < kEach; ++i)
            numbers.insert(numberOf(QString("用户%1的界面%2").arg(u).arg(i)));
    EXPECT_EQ(numbers.size(), static_cast<std::size_t>(kUsers * kEach));
    EXPECT_FALSE(numbers.contains(0));
}

ZELK_ON_BOTH_BACKENDS(NewInterface);

TEST(NewInterfaceEmptyTable, FirstInterfaceGetsNumberOne) {
    TestDb db;
    ASSERT_TRUE(db.ok()) << db.error().toStdString();
    const WizardContext c{db.hdbc(), demo::kSystem, demo::kMainTable, demo::kClass};
    odbc_BeginTrans(db.hdbc());
    EXPECT_EQ(InsertWizardInterface(c, {"第一个", "", "", "", 0}, kKindListEntry), 1);
    odbc_CommitTrans(db.hdbc());
}

}  // namespace
