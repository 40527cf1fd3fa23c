#pragma once
// What a report view lists: its rows' texts, or one sub-item of each row.

#include <QStringList>

#include "platform/controls/reportview.h"

namespace zelk::test {

inline QStringList rowTexts(const ReportView& list, int subItem = 0) {
    QStringList all;
    for (int i = 1; i <= list.Count(); ++i)
        all << (subItem ? list.Item(i)->SubItems(subItem) : list.Item(i)->Text());
    return all;
}

}  // namespace zelk::test
