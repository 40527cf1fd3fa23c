// The wizard's new interface row: name, members, the default takeover and its failures.

#include <set>
#include <thread>

#include <gtest/gtest.h>

#include "component/zelkmodule.h"
#include "support/refusal.h"
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
    const QStringList stored = {fieldText(r.id01), fieldText(r.id02), fieldText(r.id03),
                                fieldText(r.id04), fieldText(r.id05), fieldText(r.id06),
                                fieldText(r.id07), fieldText(r.id08), fieldText(r.id09),
                                fieldText(r.id10), fieldText(r.id11), fieldText(r.id12),
                                fieldText(r.id13), fieldText(r.id14), fieldText(r.id15),
                                fieldText(r.id16), fieldText(r.id20)};
    EXPECT_EQ(stored.join('|'), demo::kMainTable + "|" + demo::kClass +
                                    "|发文单3|说明文字|3|默认|签批单|0|" + demo::kSystem +
                                    "|0|-2147483633|-2147483633|0|0|0||");
}

// A blank flag makes the new interface the class's default of its kind: every old default of
// that kind becomes ordinary; other kinds, classes and flagged rows stay as they are. Blank is
// what the readers take as empty: a tab or a full-width space is a flag and takes nothing over.
TEST_P(NewInterface, BlankFlagTakesTheDefaultOver) {
    const std::int32_t oldDefault = numberOf("发文登记");
    const std::int32_t secondDefault = addInterface(demo::kClass, "另一默认", "1");
    const std::int32_t otherClass = addInterface("收文", "收文登记", "1");
    const std::int32_t otherKind = numberOf("发文查询");
    const std::int32_t flagged = addInterface(demo::kClass, "签批", "1", "签批单");
    const auto defaults = [&] {
        std::vector<std::int32_t> found;
        const std::int32_t h =
            sysINDTPrepareGetData(hdbc(), demo::kSystem, demo::kMainTable, demo::kClass);
        INDTRecord r;
        while (h > 0 && sysINDTGetRecord(h, r) > 0)
            if (fieldText(r.id05) == "1" && HasDefaultFlag(r)) found.push_back(r.id00);
        return found;
    };
    int i = 0;
    for (const QString flag : {"签批单", "", "   ", " ", "\u3000", "\t", "aaaaa", "x"}) {
        SCOPED_TRACE(flag.toStdString());
        const std::int32_t n = insert({QString("新%1").arg(++i), "", "", flag, 0});
        ASSERT_GT(n, 0);
        const bool takesOver = QString(flag).remove(' ').isEmpty();
        const QString old = takesOver ? "aaaaa" : "";
        EXPECT_EQ(flagOf(n), takesOver ? QString() : flag);
        EXPECT_EQ(flagOf(oldDefault), old);
        EXPECT_EQ(flagOf(secondDefault), old);
        EXPECT_EQ(flagOf(otherClass), "");
        EXPECT_EQ(flagOf(otherKind), "");
        EXPECT_EQ(flagOf(flagged), "签批单");
        if (takesOver)
            EXPECT_EQ(defaults(), std::vector<std::int32_t>{n});
        else
            EXPECT_EQ(defaults(), (std::vector<std::int32_t>{oldDefault, secondDefault}));
        ASSERT_GE(sysINDTDeleteData(hdbc(), n), 0);
        for (const std::int32_t restore : {oldDefault, secondDefault}) {
            INDTRecord restored = interfaceRow(restore);
            setField(restored.id07, "");
            ASSERT_GE(sysINDTUpdateRecord(hdbc(), restored), 0);
        }
    }
}

// A default that cannot be changed stops the routine before anything else is written.
TEST_P(NewInterface, FailedTakeoverIsReportedAndWritesNothing) {
    refuseSecond(hdbc(), "indt", "id07", "'aaaaa'");  // the demo already has an ordinary interface
    const auto before = snapshot();
    PromptScript script;
    script.answer(vbOK);
    EXPECT_EQ(insert({"新界面", "", "", "", 0}), 0);
    expectPrompt(script, "界面标志修改错误！", "错误", vbExclamation);
    EXPECT_TRUE(snapshot() == before) << "the database changed";
}

TEST_P(NewInterface, FailedInsertAndUnreadableTableAreReported) {
    ASSERT_GT(addInterface("收文", "重名1", "1"), 0);
    refuseSecond(hdbc(), "indt", "id03", "'重名1'");
    PromptScript script;
    script.answer(vbOK);
    EXPECT_EQ(insert({"重名", "", "", "x", 1}), -1);
    expectPrompt(script, "数据保存失败：不能保存界面定义信息", "提示");

    WizardContext broken = context();  // no table to read
    broken.hdbc = 9999;
    PromptScript unreadable;
    unreadable.answer(vbOK);
    EXPECT_EQ(InsertWizardInterface(broken, {"新界面", "", "", "x", 0}, kKindItemEntry), 0);
    expectPrompt(unreadable, "不能打开数据库界面管理表，请联系系统管理员", "提示", vbOKCancel);
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
