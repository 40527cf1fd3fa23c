// Rows found by key stay right through renames, removals and clearing, also in long lists.

#include <gtest/gtest.h>

#include "platform/controls/reportview.h"
#include "platform/errors.h"

using namespace zelk;

namespace {

TEST(ReportViewKeys, FollowRenamesRemovalsAndClearing) {
    ReportView list;
    list.AddColumn("c", "名称");
    for (int i = 0; i < 2000; ++i) list.Add(0, QString("k%1").arg(i), QString::number(i));
    EXPECT_EQ(list.Item("k1999")->Text(), "1999");
    EXPECT_THROW(list.Add(0, "k5"), ZelkError);

    list.Item("k5")->SetKey("renamed");
    EXPECT_EQ(list.Item("k5"), nullptr);
    EXPECT_EQ(list.Item("renamed")->Text(), "5");
    list.Add(0, "k5", "again");
    EXPECT_EQ(list.Item("k5")->Text(), "again");
    EXPECT_THROW(list.Item("k6")->SetKey("renamed"), ZelkError);

    list.Remove(list.Item("k7"));
    EXPECT_EQ(list.Item("k7"), nullptr);
    list.Add(0, "k7", "back");
    EXPECT_EQ(list.Item("k7")->Text(), "back");

    // A row taken out of the list is no longer found in it.
    QTreeWidgetItem* taken = list.takeTopLevelItem(0);
    EXPECT_EQ(list.Item("k0"), nullptr);
    list.Add(0, "k0", "new");
    delete taken;
    EXPECT_EQ(list.Item("k0")->Text(), "new");

    list.Clear();
    EXPECT_EQ(list.Item("k1"), nullptr);
    list.Add(0, "k1", "fresh");
    EXPECT_EQ(list.Item("k1")->Text(), "fresh");
}

}  // namespace
