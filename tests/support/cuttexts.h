#pragma once
// The texts a tree or list view or a label cuts short, as a person sees them.

#include <QAbstractItemView>
#include <QGlyphRun>
#include <QHeaderView>
#include <QLabel>
#include <QStringList>
#include <QTextLayout>
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

// Where a label's text puts ink, in the label, laid out as the label draws it; and whether its
// lines fit the label's width.
inline QRect labelInk(const QLabel& label, bool* fitsWidth) {
    const QRect contents = label.contentsRect();
    QTextLayout layout(label.text(), label.font());
    QTextOption option(label.alignment());
    option.setWrapMode(label.wordWrap() ? QTextOption::WordWrap : QTextOption::NoWrap);
    layout.setTextOption(option);
    layout.beginLayout();
    qreal height = 0;
    *fitsWidth = true;
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(contents.width());
        line.setPosition(QPointF(0, height));
        height += line.height();
        *fitsWidth = *fitsWidth && line.naturalTextWidth() <= contents.width();
    }
    layout.endLayout();
    QRectF ink;
    for (const QGlyphRun& run : layout.glyphRuns()) {
        const QList<quint32> glyphs = run.glyphIndexes();
        const QList<QPointF> origins = run.positions();
        for (qsizetype i = 0; i < glyphs.size(); ++i)
            ink |= run.rawFont().boundingRect(glyphs[i]).translated(origins[i]);
    }
    const Qt::Alignment vertical = label.alignment() & Qt::AlignVertical_Mask;
    const qreal top = vertical == Qt::AlignTop      ? 0
                      : vertical == Qt::AlignBottom ? contents.height() - height
                                                    : (contents.height() - height) / 2;
    return ink.translated(contents.left(), contents.top() + top).toAlignedRect();
}

// The label's text when a person cannot read it whole: lines wider than the label, or ink that
// runs past the label's or its parent's edge or under a sibling drawn over it.
inline QStringList cutTexts(const QLabel& label) {
    const QWidget* parent = label.parentWidget();
    if (label.text().isEmpty() || !parent) return {};
    bool whole = true;
    const QRect ink = labelInk(label, &whole);
    const QRect shown = ink.translated(label.pos());
    whole = whole && label.rect().contains(ink) && parent->rect().contains(shown);
    const QObjectList& siblings = parent->children();
    for (qsizetype i = siblings.indexOf(&label) + 1; whole && i < siblings.size(); ++i) {
        const auto* above = qobject_cast<const QWidget*>(siblings[i]);
        whole = !above || above->isHidden() || above->isWindow() ||
                !above->geometry().intersects(shown);
    }
    return whole ? QStringList() : QStringList{label.text()};
}

}  // namespace zelk::test
