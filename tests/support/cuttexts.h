#pragma once
// The texts a tree or list view cuts short, as a person sees them.

#include <QAbstractItemView>
#include <QHeaderView>
#include <QStringList>
#include <QTreeView>

namespace zelk::test {

// A cell or name narrower than its text and icon, a header narrower than its caption, or a column
// that lies beyond the view's right edge. Hidden (zero-width) columns do not count.
inline QStringList cutTexts(const QTreeView& view) {
    QStringList cut;
    const QAbstractItemView& items = view;
    const int right = view.viewport()->width();
    for (QModelIndex row = view.model()->index(0, 0, view.rootIndex()); row.isValid();
         row = view.indexBelow(row)) {
        for (int c = 0; c < view.model()->columnCount(view.rootIndex()); ++c) {
            if (view.columnWidth(c) == 0) continue;
            const QModelIndex cell = row.siblingAtColumn(c);
            const QRect shown = view.visualRect(cell);
            if (shown.width() < items.sizeHintForIndex(cell).width() || shown.right() >= right)
                cut << cell.data().toString();
        }
    }
    if (view.isHeaderHidden()) return cut;
    const QHeaderView* header = view.header();
    for (int c = 0; c < header->count(); ++c) {
        if (header->sectionSize(c) == 0) continue;
        if (header->sectionSize(c) < header->sectionSizeHint(c) ||
            header->sectionViewportPosition(c) + header->sectionSize(c) > right)
            cut << view.model()->headerData(c, Qt::Horizontal).toString();
    }
    return cut;
}

}  // namespace zelk::test
