// The interface list's data: the default rule, flags, deleting interfaces and item rows.

#include <atomic>
#include <thread>

#include <gtest/gtest.h>

#include "component/fixedfield.h"
#include "dataaccess/dravix.h"
#include "management/interfacedata.h"
#include "management/testrows.h"
#include "support/refusal.h"
#include "support/testdb.h"

using namespace zelk;
using namespace zelk::test;

namespace {

class InterfaceDataTest : public BackendTest {
  protected:
    ClassContext context(const QString& className = kTestClass) const {
        return {hdbc(), kTestSystem, kTestTable, className};
    }
    InterfaceListState read(DefaultIds& defaults, std::vector<std::int32_t>* demoted = nullptr) {
        return ReadInterfaceList(context(), defaults, [&](std::int32_t n) {
            if (demoted) demoted->push_back(n);
            EXPECT_EQ(WriteInterfaceFlag(hdbc(), n, "aaaaa"), 1);
        });
    }
};

TEST_P(InterfaceDataTest, FirstEmptyFlagOfAKindStaysDefaultAndTheOthersAreDemoted) {
    const std::int32_t a = addInterface(hdbc(), "1", "");
    const std::int32_t b = addInterface(hdbc(), "1", "");
    const std::int32_t c = addInterface(hdbc(), "3", "");
    const std::int32_t d = addInterface(hdbc(), "1", "签批单");
    DefaultIds defaults{};
    std::vector<std::int32_t> demoted;
    const InterfaceListState state = read(defaults, &demoted);
    EXPECT_EQ(demoted, std::vector<std::int32_t>{b});
    EXPECT_EQ(flagOf(hdbc(), b), "aaaaa");
    EXPECT_EQ(defaults, (DefaultIds{0, a, 0, c, 0}));
    ASSERT_EQ(state.rows.size(), 4u);
    EXPECT_EQ(state.rows[0].foreColor, kDefaultRowColor);
    EXPECT_EQ(state.rows[0].smallIcon, 3);
    EXPECT_EQ(state.rows[1].foreColor, 0);
    EXPECT_EQ(state.rows[1].smallIcon, 1);
    EXPECT_EQ(state.rows[3].number, d);
    EXPECT_FALSE(state.rows[3].isDefault);

    // A recorded default holds against the row the scan meets first.
    setFlag(hdbc(), b, "");
    defaults = {0, b, 0, 0, 0};
    demoted.clear();
    read(defaults, &demoted);
    EXPECT_EQ(demoted, std::vector<std::int32_t>{a});
    EXPECT_EQ(flagOf(hdbc(), a), "aaaaa");
    EXPECT_EQ(flagOf(hdbc(), b), "");
}

TEST_P(InterfaceDataTest, RowsPanelAndKinds) {
    addInterface(hdbc(), "6", "", "系统模板");
    const std::int32_t tpl = addInterface(hdbc(), "5", "", "[发文]分类模板", "模板说明");
    addInterface(hdbc(), "", "", "无类型", "", "默认");
    addInterface(hdbc(), "x", "aaaaa", "乱码类型", "", "王五");
    addInterface(hdbc(), "7", "", "子表");
    DefaultIds defaults{};
    const InterfaceListState state = read(defaults);
    EXPECT_EQ(state.panel.title, "[发文]分类模板");
    EXPECT_EQ(state.panel.note, "模板说明");
    EXPECT_TRUE(state.panel.editVisible);
    EXPECT_EQ(state.panel.templateTag, QString::number(tpl));
    ASSERT_EQ(state.rows.size(), 3u);
    EXPECT_EQ(state.rows[0].kindName, "未知类型界面");
    EXPECT_EQ(state.rows[0].owner, "所有用户");
    EXPECT_EQ(state.rows[1].kindName, "未知类型界面");
    EXPECT_EQ(state.rows[2].kindName, "子表界面");

    // No template; a class of blanks is the table level.
    DefaultIds none{};
    const InterfaceListState blank = ReadInterfaceList(context("  "), none, [](std::int32_t) {});
    EXPECT_EQ(blank.panel.title, "基础模板未建立");
    EXPECT_EQ(blank.panel.note, "基础模板是用于生成跨类型统一界面的参照模板");
    EXPECT_EQ(blank.panel.noteColor, kMissingTemplateColor);
}

TEST_P(InterfaceDataTest, MakeDefaultDemotesAndPromotesTogether) {
    const std::int32_t a = addInterface(hdbc(), "3", "");
    const std::int32_t b = addInterface(hdbc(), "3", "aaaaa");
    DefaultIds defaults{0, 0, 0, a, 0};
    ASSERT_TRUE(MakeDefaultInterface(hdbc(), b, 3, defaults));
    EXPECT_EQ(flagOf(hdbc(), a), "aaaaa");
    EXPECT_EQ(flagOf(hdbc(), b), "");
    EXPECT_EQ(defaults[3], b);

    // A promotion that fails takes the demotion back with it: the flag writer joins the
    // caller's transaction.
    EXPECT_FALSE(MakeDefaultInterface(hdbc(), 999, 3, defaults));
    EXPECT_EQ(flagOf(hdbc(), b), "");
    EXPECT_EQ(defaults[3], b);

    // A refused commit is a failed write, also of the flag writer on its own.
    test::whileRefused(
        test::TxnRefusal::Commit, hdbc(), GetParam(), "indt",
        [&] {
            EXPECT_LT(WriteInterfaceFlag(hdbc(), a, QString()), 0);
            EXPECT_FALSE(MakeDefaultInterface(hdbc(), a, 3, defaults));
        },
        "update");
    EXPECT_EQ(flagOf(hdbc(), a), "aaaaa");
    EXPECT_EQ(flagOf(hdbc(), b), "");
    EXPECT_EQ(defaults[3], b);
}

TEST_P(InterfaceDataTest, DeletingTheDefaultPromotesTheFirstNotDefaultSibling) {
    const std::int32_t a = addInterface(hdbc(), "2", "");
    const std::int32_t sign = addInterface(hdbc(), "2", "签批单");
    const std::int32_t b = addInterface(hdbc(), "2", "aaaaa");
    const std::int32_t c = addInterface(hdbc(), "2", "aaaaa");
    addListColumns(hdbc(), a, 3);
    addListColumns(hdbc(), b, 2);
    DefaultIds defaults{0, 0, a, 0, 0};
    ASSERT_TRUE(DeleteInterfaceData(context(), a, "录入列表", defaults));
    EXPECT_FALSE(interfaceExists(hdbc(), a));
    EXPECT_EQ(sysILITGetRecordCount(hdbc(), a), 0);
    EXPECT_EQ(sysILITGetRecordCount(hdbc(), b), 2);
    EXPECT_EQ(flagOf(hdbc(), b), "");
    EXPECT_EQ(flagOf(hdbc(), c), "aaaaa");
    EXPECT_EQ(flagOf(hdbc(), sign), "签批单");
    EXPECT_EQ(defaults[2], b);

    // No "aaaaa" sibling left: the entry is cleared, so the next election is free.
    ASSERT_TRUE(DeleteInterfaceData(context(), b, "录入列表", defaults));
    ASSERT_TRUE(DeleteInterfaceData(context(), c, "录入列表", defaults));
    EXPECT_EQ(defaults[2], 0);
    setFlag(hdbc(), sign, "");
    read(defaults);
    EXPECT_EQ(flagOf(hdbc(), sign), "");
    EXPECT_EQ(defaults[2], sign);
}

TEST_P(InterfaceDataTest, ItemDeleteRaisesTheVersionOncePerKind) {
    struct Case {
        const char* kind;
        std::vector<std::int32_t> (*add)(std::int32_t, std::int32_t, int);
        std::int32_t (*count)(std::int32_t, std::int32_t);
        const char* prefix;
    };
    const Case cases[] = {{"1", addEntryItems, sysISITGetRecordCount, "ISIT"},
                          {"2", addListColumns, sysILITGetRecordCount, "ILIT"},
                          {"3", addSearchItems, sysIJSTGetRecordCount, "IJST"},
                          {"4", addBrowseColumns, sysILSTGetRecordCount, "ILST"}};
    const std::int32_t other = addInterface(hdbc(), "1", "aaaaa");
    for (const Case& c : cases) {
        SCOPED_TRACE(c.kind);
        const std::int32_t n = addInterface(hdbc(), c.kind, "aaaaa");
        const std::vector<std::int32_t> keys = c.add(hdbc(), n, 3);
        ASSERT_EQ(DeleteInterfaceItem(hdbc(), n, c.prefix + QString::number(keys[1])),
                  ItemDeleteResult::Deleted);
        // A row gone, or one of another interface, is no row to delete: nothing changes.
        EXPECT_EQ(DeleteInterfaceItem(hdbc(), n, c.prefix + QString::number(keys[1])),
                  ItemDeleteResult::Missing);
        EXPECT_EQ(DeleteInterfaceItem(hdbc(), other, c.prefix + QString::number(keys[0])),
                  ItemDeleteResult::Missing);
        EXPECT_EQ(c.count(hdbc(), n), 2);
        EXPECT_EQ(versionOf(hdbc(), n), "2");
        EXPECT_EQ(versionOf(hdbc(), other), "1");
    }
    EXPECT_EQ(DeleteInterfaceItem(hdbc(), 1, "XXXX1"), ItemDeleteResult::Failed);
    EXPECT_EQ(DeleteInterfaceItem(hdbc(), 999, "ISIT1"), ItemDeleteResult::Failed);
}

TEST_P(InterfaceDataTest, TwoUsersDeletingItemsRaiseTheVersionTwice) {
    constexpr int kEach = 4;
    const std::int32_t n = addInterface(hdbc(), "1", "");
    const std::vector<std::int32_t> keys = addEntryItems(hdbc(), n, 2 * kEach);
    const QString where = db().connectionString();
    std::atomic<int> done{0};
    std::vector<std::thread> users;
    for (int u = 0; u < 2; ++u) {
        users.emplace_back([&, u] {
            const std::int32_t h = dbOpenConnection(where);
            if (h <= 0) return;
            for (int i = 0; i < kEach; ++i)
                if (DeleteInterfaceItem(h, n, "ISIT" + QString::number(keys[u * kEach + i])) ==
                    ItemDeleteResult::Deleted)
                    ++done;
            dbCloseConnection(h);
        });
    }
    for (auto& t : users) t.join();
    EXPECT_EQ(done.load(), 2 * kEach);
    EXPECT_EQ(sysISITGetRecordCount(hdbc(), n), 0);
    EXPECT_EQ(versionOf(hdbc(), n), QString::number(1 + 2 * kEach));
}

ZELK_ON_BOTH_BACKENDS(InterfaceDataTest);

}  // namespace
