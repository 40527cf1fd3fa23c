#include "platform/controls/reportrows.h"

#include <QStringList>

namespace zelk {

namespace {

struct RowContents {
    QString key, text, tag;
    QStringList subItems;
    int icon = 0, smallIcon = 0;
};

RowContents contentsOf(const ListItem* row) {
    RowContents c{row->Key(), row->Text(), row->Tag(), {}, row->Icon(), row->SmallIcon()};
    for (int i = 1; i < row->columnCount(); ++i) c.subItems << row->SubItems(i);
    return c;
}

// Everything but the key, which the caller sets once it is free.
void fill(ListItem* row, const RowContents& c) {
    row->SetText(c.text);
    for (int i = 0; i < c.subItems.size(); ++i) row->SetSubItems(i + 1, c.subItems[i]);
    row->SetTag(c.tag);
    row->SetIcon(c.icon);
    row->SetSmallIcon(c.smallIcon);
}

}  // namespace

ListItem* moveReportRow(ReportView& from, ReportView& to, ListItem* row, int at) {
    const RowContents c = contentsOf(row);
    from.Remove(row);
    ListItem* moved = to.Add(at, c.key);
    fill(moved, c);
    return moved;
}

void moveSelectedReportRow(ReportView& from, ReportView& to, bool beforeSelected) {
    ListItem* row = from.Count() > 0 ? from.SelectedItem() : nullptr;
    if (!row) return;
    const ListItem* before = beforeSelected ? to.SelectedItem() : nullptr;
    moveReportRow(from, to, row, before ? before->Index() : 0);
}

void moveAllReportRows(ReportView& from, ReportView& to) {
    while (from.Count() > 0) moveReportRow(from, to, from.Item(1));
}

void swapSelectedReportRow(ReportView& list, int step) {
    ListItem* row = list.Count() > 0 ? list.SelectedItem() : nullptr;
    if (!row) return;
    ListItem* other = list.Item(row->Index() + step);
    if (!other) return;
    const RowContents a = contentsOf(row), b = contentsOf(other);
    // Passing keys that no row holds, so that two rows never share one during the swap.
    row->SetKey(QStringLiteral("xxxxxxxxxxxx"));
    other->SetKey(QStringLiteral("ccccccccc"));
    other->SetKey(a.key);
    fill(other, a);
    row->SetKey(b.key);
    fill(row, b);
    list.SetSelectedItem(other);
}

}  // namespace zelk
