// Column headers and rows of the report view.

#include <QFont>
#include <QHeaderView>
#include <algorithm>

#include "platform/controls/imagelist.h"
#include "platform/controls/olecolor.h"
#include "platform/controls/reportview.h"
#include "platform/controls/reportview_p.h"
#include "platform/errors.h"
#include "platform/twips.h"

namespace zelk {

using namespace detail;

// ---- ColumnHeader ----

QString ColumnHeader::Text() const {
    return view_->headerItem()->text(index_ - 1);
}

void ColumnHeader::SetText(const QString& text) {
    view_->headerItem()->setText(index_ - 1, text);
}

void ColumnHeader::SetWidth(double twips) {
    width_ = std::max(0.0, twips);
    Programmatic guard(view_->programmatic_);
    view_->header()->resizeSection(index_ - 1, twipsToPixels(width_));
}

void ColumnHeader::SetAlignment(ColumnAlign align) {
    align_ = align;
    const int column = index_ - 1;
    view_->headerItem()->setTextAlignment(column, qtAlign(align));
    // The first column stays left-aligned, as the original kept it.
    if (column == 0) return;
    for (int i = 0; i < view_->topLevelItemCount(); ++i)
        view_->topLevelItem(i)->setTextAlignment(column, qtAlign(align));
}

int ColumnHeader::Position() const {
    return view_->header()->visualIndex(index_ - 1) + 1;
}

void ColumnHeader::SetPosition(int position) {
    QHeaderView* header = view_->header();
    const int to = std::clamp(position, 1, view_->ColumnCount()) - 1;
    Programmatic guard(view_->programmatic_);
    header->moveSection(header->visualIndex(index_ - 1), to);
}

void ColumnHeader::SetIcon(int index) {
    icon_ = index;
    view_->headerItem()->setIcon(index_ - 1,
                                 view_->headerIcons_ ? view_->headerIcons_->Icon(index) : QIcon());
}

void ColumnHeader::SetIcon(const QIcon& icon) {
    icon_ = 0;
    view_->headerItem()->setIcon(index_ - 1, icon);
}

// ---- ListItem ----

ReportView* ListItem::view() const {
    return static_cast<ReportView*>(treeWidget());
}

int ListItem::Index() const {
    return treeWidget() ? treeWidget()->indexOfTopLevelItem(const_cast<ListItem*>(this)) + 1 : 0;
}

QString ListItem::Key() const {
    return data(0, kKeyRole).toString();
}

void ListItem::SetKey(const QString& key) {
    if (view() && view()->keyTaken(key, this))
        throw ZelkError(QStringLiteral("ListItem"),
                        QStringLiteral("Key is not unique in collection"), kErrKeyNotUnique);
    const QString old = Key();
    setData(0, kKeyRole, key);
    if (ReportView* v = view()) {
        v->indexKey(this, old);
    } else if (indexedIn_) {
        indexedIn_->forgetKey(this, old);
        indexedIn_ = nullptr;
    }
}

ListItem::~ListItem() {
    if (indexedIn_) indexedIn_->forgetKey(this, Key());
}

QString ListItem::Tag() const {
    return data(0, kTagRole).toString();
}
void ListItem::SetTag(const QString& tag) {
    setData(0, kTagRole, tag);
}

QString ListItem::SubItems(int i) const {
    return i >= 1 ? text(i) : QString();
}

void ListItem::SetSubItems(int i, const QString& text) {
    if (i < 1) return;
    setText(i, text);
    if (view() && i < view()->ColumnCount())
        setTextAlignment(i, qtAlign(view()->headers_[i]->Alignment()));
}

bool ListItem::Checked() const {
    return data(0, kCheckedRole).toBool();
}

void ListItem::SetChecked(bool on) {
    ReportView* v = view();
    if (!v) {
        QTreeWidgetItem::setData(0, kCheckedRole, on);
        return;
    }
    Programmatic guard(v->programmatic_);
    if (v->checkboxes_)
        setCheckState(0, on ? Qt::Checked : Qt::Unchecked);
    else
        QTreeWidgetItem::setData(0, kCheckedRole, on);
}

void ListItem::setData(int column, int role, const QVariant& value) {
    const bool checkChange = column == 0 && role == Qt::CheckStateRole && value.isValid() &&
                             value.toInt() != data(0, Qt::CheckStateRole).toInt();
    QTreeWidgetItem::setData(column, role, value);
    if (!checkChange) return;
    QTreeWidgetItem::setData(0, kCheckedRole, value.toInt() == Qt::Checked);
    if (ReportView* v = view()) v->checkChanged(this);
}

void ListItem::SetSelected(bool on) {
    // In a single-selection list selecting a row deselects the other, as the original did.
    if (on && treeWidget() && treeWidget()->selectionMode() == QAbstractItemView::SingleSelection)
        treeWidget()->setCurrentItem(this);
    else
        setSelected(on);
}

std::int32_t ListItem::ForeColor() const {
    const QVariant v = data(0, kForeColorRole);
    return v.isValid() ? v.toInt() : SysColor::WindowText;
}

void ListItem::SetForeColor(std::int32_t color) {
    setData(0, kForeColorRole, color);
    setForeground(0, oleColorToQColor(color));
}

bool ListItem::Bold() const {
    return font(0).bold();
}

void ListItem::SetBold(bool on) {
    QFont f = font(0);
    f.setBold(on);
    setFont(0, f);
}

int ListItem::SmallIcon() const {
    return data(0, kSmallIconRole).toInt();
}

void ListItem::SetSmallIcon(int index) {
    setData(0, kSmallIconRole, index);
    if (view()) view()->applyIcon(this);
}

int ListItem::Icon() const {
    return data(0, kIconRole).toInt();
}
void ListItem::SetIcon(int index) {
    setData(0, kIconRole, index);
}

void ListItem::EnsureVisible() {
    if (treeWidget()) treeWidget()->scrollToItem(this);
}

}  // namespace zelk
