#include "platform/controls/reportview.h"

#include <QFont>
#include <QHeaderView>
#include <QKeyEvent>
#include <QStyle>
#include <algorithm>

#include "platform/controls/eventargs.h"
#include "platform/controls/imagelist.h"
#include "platform/controls/olecolor.h"
#include "platform/controls/reportview_p.h"
#include "platform/errors.h"
#include "platform/twips.h"

namespace zelk {

using namespace detail;

// ---- ReportView ----

ReportView::ReportView(QWidget* parent)
    : QTreeWidget(parent), foreColor_(SysColor::WindowText), backColor_(SysColor::Window) {
    setRootIsDecorated(false);
    setUniformRowHeights(true);
    setEditTriggers(NoEditTriggers);
    setSelectionMode(SingleSelection);
    header()->setMinimumSectionSize(0);
    header()->setSectionsClickable(true);
    header()->setSectionsMovable(false);
    layoutColumns();
    SetHideSelection(true);

    connect(header(), &QHeaderView::sectionResized, this, [this](int logical, int, int pixels) {
        if (programmatic_ || logical >= ColumnCount()) return;
        headers_[logical]->width_ = pixelsToTwips(pixels);
        emit ColumnResize(headers_[logical].get());
    });
    connect(header(), &QHeaderView::sectionClicked, this, [this](int logical) {
        if (logical < ColumnCount()) emit ColumnClick(headers_[logical].get());
    });
    connect(this, &QTreeWidget::itemClicked, this,
            [this](QTreeWidgetItem* item) { emit ItemClick(static_cast<ListItem*>(item)); });
    connect(this, &QTreeWidget::itemSelectionChanged, this, &ReportView::SelectionChange);
}

ReportView::~ReportView() {
    // The rows outlive this part of the list: they must not reach back into the index.
    for (ListItem* item : std::as_const(keyIndex_)) item->indexedIn_ = nullptr;
    for (int i = 1; i <= Count(); ++i) Item(i)->indexedIn_ = nullptr;
    keyIndex_.clear();
}

void ReportView::indexKey(ListItem* item, const QString& oldKey) {
    forgetKey(item, oldKey);
    const QString key = item->Key();
    if (key.isEmpty()) return;
    keyIndex_.insert(key, item);
    item->indexedIn_ = this;
}

void ReportView::forgetKey(ListItem* item, const QString& key) {
    const auto it = keyIndex_.find(key);
    if (it != keyIndex_.end() && it.value() == item) keyIndex_.erase(it);
}

void ReportView::layoutColumns() {
    Programmatic guard(programmatic_);
    if (headers_.empty()) {
        setColumnCount(1);
        header()->setStretchLastSection(true);
        setHeaderHidden(true);
        return;
    }
    header()->setStretchLastSection(false);
    setColumnCount(ColumnCount());
    setHeaderHidden(hideHeaders_);
}

void ReportView::SetHideColumnHeaders(bool on) {
    hideHeaders_ = on;
    if (!headers_.empty()) setHeaderHidden(on);
}

ColumnHeader* ReportView::AddColumn(const QString& key, const QString& text, double widthTwips,
                                    ColumnAlign align) {
    if (!key.isEmpty() && Column(key))
        throw ZelkError(QStringLiteral("ColumnHeaders"),
                        QStringLiteral("Key is not unique in collection"), kErrKeyNotUnique);
    headers_.push_back(std::unique_ptr<ColumnHeader>(new ColumnHeader(this, ColumnCount() + 1)));
    ColumnHeader* h = headers_.back().get();
    h->key_ = key;
    layoutColumns();
    h->SetText(text);
    h->SetWidth(widthTwips);
    h->SetAlignment(align);
    return h;
}

ColumnHeader* ReportView::Column(int index) const {
    return index >= 1 && index <= ColumnCount() ? headers_[index - 1].get() : nullptr;
}

ColumnHeader* ReportView::Column(const QString& key) const {
    if (key.isEmpty()) return nullptr;
    for (const auto& h : headers_)
        if (h->key_ == key) return h.get();
    return nullptr;
}

void ReportView::ClearColumns() {
    Programmatic guard(programmatic_);
    // Put moved sections back first, so new columns start in creation order.
    for (int i = 0; i < ColumnCount(); ++i) header()->moveSection(header()->visualIndex(i), i);
    headers_.clear();
    headerItem()->setIcon(0, QIcon());
    headerItem()->setText(0, QString());
    layoutColumns();
}

void ReportView::SetHeaderIcons(const ImageList* list) {
    headerIcons_ = list;
    for (const auto& h : headers_)
        if (h->icon_) h->SetIcon(h->icon_);
}

void ReportView::SetAllowColumnReorder(bool on) {
    header()->setSectionsMovable(on);
}
void ReportView::SetHeaderButtons(bool on) {
    header()->setSectionsClickable(on);
}
bool ReportView::HeaderButtons() const {
    return header()->sectionsClickable();
}

int WidthShowingAll(const QTreeView& view) {
    const QAbstractItemView& items = view;
    int columns = 0;
    for (int c = 0; c < view.model()->columnCount(); ++c) {
        if (view.isColumnHidden(c)) continue;
        columns += view.isHeaderHidden() ? items.sizeHintForColumn(c) : view.columnWidth(c);
    }
    return columns + 2 * view.frameWidth() + view.style()->pixelMetric(QStyle::PM_ScrollBarExtent);
}

void ReportView::FitColumnsToContents() {
    for (const auto& h : headers_) {
        if (h->width_ <= 0) continue;
        const int column = h->index_ - 1;
        const int headerWidth = isHeaderHidden() ? 0 : header()->sectionSizeHint(column);
        h->SetWidth(pixelsToTwips(std::max(sizeHintForColumn(column), headerWidth)));
    }
}

void ReportView::SetHeaderFont(const QFont& font) {
    header()->setFont(font);
}

bool ReportView::keyTaken(const QString& key, const ListItem* except) const {
    if (key.isEmpty()) return false;
    const ListItem* found = Item(key);
    return found && found != except;
}

ListItem* ReportView::Add(int index, const QString& key, const QString& text, int icon,
                          int smallIcon) {
    if (index < 0 || index > Count() + 1)
        throw ZelkError(QStringLiteral("ListItems"), QStringLiteral("Index out of bounds"),
                        kErrIndexOutOfBounds);
    if (keyTaken(key, nullptr))
        throw ZelkError(QStringLiteral("ListItems"),
                        QStringLiteral("Key is not unique in collection"), kErrKeyNotUnique);
    auto* item = new ListItem;
    item->setFlags(item->flags() | Qt::ItemIsEditable);
    item->QTreeWidgetItem::setData(0, kKeyRole, key);
    item->setText(0, text);
    item->QTreeWidgetItem::setData(0, kIconRole, icon);
    item->QTreeWidgetItem::setData(0, kSmallIconRole, smallIcon);
    item->QTreeWidgetItem::setData(0, kCheckedRole, false);
    if (checkboxes_) item->QTreeWidgetItem::setData(0, Qt::CheckStateRole, Qt::Unchecked);
    for (int c = 1; c < ColumnCount(); ++c)
        item->setTextAlignment(c, qtAlign(headers_[c]->Alignment()));
    insertTopLevelItem(index == 0 ? Count() : index - 1, item);
    indexKey(item, QString());
    applyIcon(item);
    applySort();
    return item;
}

ListItem* ReportView::Item(int index) const {
    if (index < 1 || index > Count()) return nullptr;
    return static_cast<ListItem*>(topLevelItem(index - 1));
}

ListItem* ReportView::Item(const QString& key) const {
    if (key.isEmpty()) return nullptr;
    const auto it = keyIndex_.constFind(key);
    if (it == keyIndex_.constEnd()) return nullptr;
    // A row taken out of the list is no longer one of its rows.
    ListItem* item = it.value();
    return item->treeWidget() == this && item->Key() == key ? item : nullptr;
}

void ReportView::Remove(int index) {
    delete Item(index);
}

void ReportView::Remove(ListItem* item) {
    if (item && item->treeWidget() == this) delete item;
}

void ReportView::Clear() {
    clear();
}

ListItem* ReportView::FindItem(const QString& text, FindWhere where, int start) const {
    for (int i = std::max(1, start); i <= Count(); ++i) {
        ListItem* item = Item(i);
        switch (where) {
            case FindWhere::Text:
                if (item->Text() == text) return item;
                break;
            case FindWhere::Tag:
                if (item->Tag() == text) return item;
                break;
            case FindWhere::SubItem:
                for (int c = 1; c < std::max(ColumnCount(), item->columnCount()); ++c)
                    if (item->SubItems(c) == text) return item;
                break;
        }
    }
    return nullptr;
}

ListItem* ReportView::SelectedItem() const {
    QTreeWidgetItem* item = currentItem();
    if (item && item->isSelected()) return static_cast<ListItem*>(item);
    const QList<QTreeWidgetItem*> selected = selectedItems();
    return selected.isEmpty() ? nullptr : static_cast<ListItem*>(selected.first());
}

void ReportView::SetSelectedItem(ListItem* item) {
    if (!item) {
        clearSelection();
        setCurrentItem(nullptr);
        return;
    }
    setCurrentItem(item);
    item->setSelected(true);
}

void ReportView::SetSmallIcons(const ImageList* list) {
    smallIcons_ = list;
    for (int i = 1; i <= Count(); ++i) applyIcon(Item(i));
}

void ReportView::applyIcon(ListItem* item) {
    const int index = item->SmallIcon();
    item->QTreeWidgetItem::setData(0, Qt::DecorationRole,
                                   smallIcons_ && index ? smallIcons_->Icon(index) : QIcon());
}

void ReportView::SetCheckboxes(bool on) {
    checkboxes_ = on;
    Programmatic guard(programmatic_);
    for (int i = 1; i <= Count(); ++i) {
        ListItem* item = Item(i);
        const QVariant state =
            on ? QVariant(item->Checked() ? Qt::Checked : Qt::Unchecked) : QVariant();
        item->QTreeWidgetItem::setData(0, Qt::CheckStateRole, state);
    }
}

void ReportView::checkChanged(ListItem* item) {
    if (!programmatic_) emit ItemCheck(item);
}

void ReportView::SetGridLines(bool on) {
    setStyleSheet(on ? QStringLiteral("QTreeView::item { border-right: 1px solid #c0c0c0; "
                                      "border-bottom: 1px solid #c0c0c0; }")
                     : QString());
}

void ReportView::SetHideSelection(bool on) {
    hideSelection_ = on;
    QPalette p = palette();
    const QPalette::ColorRole background = on ? QPalette::Base : QPalette::Highlight;
    const QPalette::ColorRole text = on ? QPalette::Text : QPalette::HighlightedText;
    p.setColor(QPalette::Inactive, QPalette::Highlight, p.color(QPalette::Active, background));
    p.setColor(QPalette::Inactive, QPalette::HighlightedText, p.color(QPalette::Active, text));
    setPalette(p);
}

void ReportView::SetMultiSelect(bool on) {
    setSelectionMode(on ? ExtendedSelection : SingleSelection);
}

void ReportView::SetLabelEdit(bool on) {
    setEditTriggers(on ? (EditKeyPressed | SelectedClicked) : NoEditTriggers);
}

void ReportView::SetSorted(bool on) {
    sorted_ = on;
    applySort();
}

void ReportView::SetSortKey(int column) {
    sortKey_ = std::max(0, column);
    applySort();
}

void ReportView::SetSortOrder(Qt::SortOrder order) {
    sortOrder_ = order;
    applySort();
}

void ReportView::applySort() {
    if (sorted_) sortItems(sortKey_, sortOrder_);
}

void ReportView::SetForeColor(std::int32_t color) {
    foreColor_ = color;
    QPalette p = palette();
    p.setColor(QPalette::Text, oleColorToQColor(color));
    setPalette(p);
}

void ReportView::SetBackColor(std::int32_t color) {
    backColor_ = color;
    QPalette p = palette();
    p.setColor(QPalette::Base, oleColorToQColor(color));
    setPalette(p);
    SetHideSelection(hideSelection_);
}

void ReportView::mousePressEvent(QMouseEvent* event) {
    QTreeWidget::mousePressEvent(event);
    detail::emitMouse(this, &ReportView::MouseDown, viewport(), event);
}

void ReportView::mouseReleaseEvent(QMouseEvent* event) {
    QTreeWidget::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton) emit Click();
    detail::emitMouse(this, &ReportView::MouseUp, viewport(), event);
}

void ReportView::mouseDoubleClickEvent(QMouseEvent* event) {
    QTreeWidget::mouseDoubleClickEvent(event);
    if (event->button() == Qt::LeftButton) emit DblClick();
}

void ReportView::keyPressEvent(QKeyEvent* event) {
    if (detail::keyDownEaten(this, event)) return;
    QTreeWidget::keyPressEvent(event);
}

}  // namespace zelk
