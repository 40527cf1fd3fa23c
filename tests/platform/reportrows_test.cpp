// Rows moving between two lists and up or down: whole rows, keys free in either list, the
// selection where the windows expect it.

#include <gtest/gtest.h>

#include "platform/controls/reportrows.h"

using namespace zelk;

namespace {

QStringList rowsOf(const ReportView& list) {
    QStringList rows;
    for (int i = 1; i <= list.Count(); ++i) {
        const ListItem* r = list.Item(i);
        rows << r->Key() + "|" + r->Text() + "|" + r->SubItems(1) + "|" + r->Tag() + "|" +
                    QString::number(r->SmallIcon());
    }
    return rows;
}

struct Lists {
    ReportView src, dsn;
    Lists() {
        for (ReportView* list : {&src, &dsn}) {
            list->AddColumn("", "栏目名称");
            list->AddColumn("", "内部列名");
        }
        for (const char* name : {"a", "b", "c"}) {
            ListItem* r = src.Add(0, QString("k") + name, QString("栏目") + name, 0, 2);
            r->SetSubItems(1, name);
            r->SetTag(QString("t") + name);
        }
        dsn.Add(0, "kx", "栏目x")->SetSubItems(1, "x");
    }
};

TEST(ReportRows, MoveSelectedRowWholeToTheEndOrInFrontOfTheSelection) {
    Lists l;
    moveSelectedReportRow(l.src, l.dsn);  // nothing selected: nothing moves
    EXPECT_EQ(l.src.Count(), 3);
    l.src.SetSelectedItem(l.src.Item(2));
    moveSelectedReportRow(l.src, l.dsn);
    EXPECT_EQ(rowsOf(l.dsn), QStringList({"kx|栏目x|x||0", "kb|栏目b|b|tb|2"}));
    EXPECT_EQ(rowsOf(l.src), QStringList({"ka|栏目a|a|ta|2", "kc|栏目c|c|tc|2"}));
    l.src.SetSelectedItem(l.src.Item(1));
    l.dsn.SetSelectedItem(l.dsn.Item(2));
    moveSelectedReportRow(l.src, l.dsn, true);
    EXPECT_EQ(rowsOf(l.dsn), QStringList({"kx|栏目x|x||0", "ka|栏目a|a|ta|2", "kb|栏目b|b|tb|2"}));
    moveAllReportRows(l.src, l.dsn);  // in list order, to the end
    EXPECT_EQ(l.src.Count(), 0);
    EXPECT_EQ(l.dsn.Item("kc")->Index(), 4);
}

TEST(ReportRows, SwapFollowsTheRowAndStopsAtTheEnds) {
    Lists l;
    l.src.SetSelectedItem(l.src.Item(1));
    swapSelectedReportRow(l.src, -1);  // first already
    swapSelectedReportRow(l.src, 1);
    EXPECT_EQ(rowsOf(l.src),
              QStringList({"kb|栏目b|b|tb|2", "ka|栏目a|a|ta|2", "kc|栏目c|c|tc|2"}));
    EXPECT_EQ(l.src.SelectedItem()->Key(), "ka");
    EXPECT_EQ(l.src.Item("kb")->Index(), 1);
    swapSelectedReportRow(l.src, 1);
    swapSelectedReportRow(l.src, 1);  // last already
    EXPECT_EQ(l.src.Item(3)->Key(), "ka");
    EXPECT_TRUE(l.src.Item(3)->Selected());
}

}  // namespace
