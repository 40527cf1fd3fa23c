#include "platform/controls/keyedtree.h"

#include <QKeyEvent>
#include <algorithm>

#include "platform/controls/eventargs.h"
#include "platform/controls/imagelist.h"
#include "platform/errors.h"

namespace zelk {

namespace {
constexpr int kKeyRole = Qt::UserRole + 1;
constexpr int kTagRole = Qt::UserRole + 2;
constexpr int kImageRole = Qt::UserRole + 3;
constexpr int kSelectedImageRole = Qt::UserRole + 4;
}  // namespace

// ---- Node ----

KeyedTree* Node::tree() const {
    return static_cast<KeyedTree*>(treeWidget());
}

int Node::Index() const {
    KeyedTree* t = tree();
    if (!t) return 0;
    const auto it = std::find(t->nodes_.begin(), t->nodes_.end(), this);
    return it == t->nodes_.end() ? 0 : static_cast<int>(it - t->nodes_.begin()) + 1;
}

QString Node::Key() const {
    return data(0, kKeyRole).toString();
}
QString Node::Tag() const {
    return data(0, kTagRole).toString();
}
void Node::SetTag(const QString& tag) {
    setData(0, kTagRole, tag);
}
int Node::Image() const {
    return data(0, kImageRole).toInt();
}
int Node::SelectedImage() const {
    return data(0, kSelectedImageRole).toInt();
}

void Node::SetImage(int index) {
    setData(0, kImageRole, index);
    if (tree()) tree()->applyIcon(this);
}

void Node::SetSelectedImage(int index) {
    setData(0, kSelectedImageRole, index);
    if (tree()) tree()->applyIcon(this);
}

Node* Node::Child() const {
    return childCount() ? static_cast<Node*>(child(0)) : nullptr;
}

Node* Node::Next() const {
    QTreeWidgetItem* p = parent();
    if (p) {
        const int i = p->indexOfChild(const_cast<Node*>(this));
        return i + 1 < p->childCount() ? static_cast<Node*>(p->child(i + 1)) : nullptr;
    }
    QTreeWidget* t = treeWidget();
    if (!t) return nullptr;
    const int i = t->indexOfTopLevelItem(const_cast<Node*>(this));
    return i + 1 < t->topLevelItemCount() ? static_cast<Node*>(t->topLevelItem(i + 1)) : nullptr;
}

Node* Node::Previous() const {
    QTreeWidgetItem* p = parent();
    if (p) {
        const int i = p->indexOfChild(const_cast<Node*>(this));
        return i > 0 ? static_cast<Node*>(p->child(i - 1)) : nullptr;
    }
    QTreeWidget* t = treeWidget();
    if (!t) return nullptr;
    const int i = t->indexOfTopLevelItem(const_cast<Node*>(this));
    return i > 0 ? static_cast<Node*>(t->topLevelItem(i - 1)) : nullptr;
}

Node* Node::Parent() const {
    return static_cast<Node*>(parent());
}

Node* Node::Root() const {
    const QTreeWidgetItem* n = this;
    while (n->parent()) n = n->parent();
    return static_cast<Node*>(const_cast<QTreeWidgetItem*>(n));
}

void Node::EnsureVisible() {
    for (QTreeWidgetItem* p = parent(); p; p = p->parent()) p->setExpanded(true);
    if (treeWidget()) treeWidget()->scrollToItem(this);
}

// ---- KeyedTree ----

KeyedTree::KeyedTree(QWidget* parent) : QTreeWidget(parent) {
    setHeaderHidden(true);
    setColumnCount(1);
    setEditTriggers(NoEditTriggers);
    setSelectionMode(SingleSelection);
    connect(this, &QTreeWidget::itemExpanded, this,
            [this](QTreeWidgetItem* item) { emit Expand(static_cast<Node*>(item)); });
    connect(this, &QTreeWidget::itemCollapsed, this,
            [this](QTreeWidgetItem* item) { emit Collapse(static_cast<Node*>(item)); });
    connect(this, &QTreeWidget::itemClicked, this,
            [this](QTreeWidgetItem* item) { emit NodeClick(static_cast<Node*>(item)); });
    connect(this, &QTreeWidget::currentItemChanged, this,
            [this](QTreeWidgetItem* current, QTreeWidgetItem* previous) {
                if (previous) applyIcon(static_cast<Node*>(previous));
                if (current) applyIcon(static_cast<Node*>(current));
                if (current && keyboardMove_) emit NodeClick(static_cast<Node*>(current));
            });
}

KeyedTree::~KeyedTree() = default;

Node* KeyedTree::Add(const QString& relative, TreeRelationship relationship, const QString& key,
                     const QString& text, int image, int selectedImage) {
    Node* rel = nullptr;
    if (!relative.isEmpty()) {
        rel = Item(relative);
        if (!rel)
            throw ZelkError(QStringLiteral("Nodes"), QStringLiteral("Element not found"),
                            kErrElementNotFound);
    }
    return Add(rel, relationship, key, text, image, selectedImage);
}

Node* KeyedTree::Add(Node* relative, TreeRelationship relationship, const QString& key,
                     const QString& text, int image, int selectedImage) {
    if (Item(key))
        throw ZelkError(QStringLiteral("Nodes"), QStringLiteral("Key is not unique in collection"),
                        kErrKeyNotUnique);
    auto* node = new Node;
    node->setData(0, kKeyRole, key);
    node->setText(0, text);
    node->setData(0, kImageRole, image);
    node->setData(0, kSelectedImageRole, selectedImage);

    QTreeWidgetItem* parent = relative ? relative->parent() : nullptr;
    auto siblingIndex = [&](QTreeWidgetItem* n) {
        return parent ? parent->indexOfChild(n) : indexOfTopLevelItem(n);
    };
    auto insertAt = [&](int i) {
        if (parent)
            parent->insertChild(i, node);
        else
            insertTopLevelItem(i, node);
    };
    const int siblings = parent ? parent->childCount() : topLevelItemCount();
    if (relative && relationship == TreeRelationship::Child) {
        relative->addChild(node);
    } else if (!relative) {
        insertAt(relationship == TreeRelationship::First ? 0 : siblings);
    } else if (relationship == TreeRelationship::First) {
        insertAt(0);
    } else if (relationship == TreeRelationship::Last) {
        insertAt(siblings);
    } else if (relationship == TreeRelationship::Next) {
        insertAt(siblingIndex(relative) + 1);
    } else {
        insertAt(siblingIndex(relative));
    }
    nodes_.push_back(node);
    applyIcon(node);
    return node;
}

Node* KeyedTree::Item(int index) const {
    return index >= 1 && index <= Count() ? nodes_[index - 1] : nullptr;
}

Node* KeyedTree::Item(const QString& key) const {
    if (key.isEmpty()) return nullptr;
    for (Node* n : nodes_)
        if (n->Key() == key) return n;
    return nullptr;
}

void KeyedTree::forget(QTreeWidgetItem* item) {
    for (int i = 0; i < item->childCount(); ++i) forget(item->child(i));
    nodes_.erase(std::remove(nodes_.begin(), nodes_.end(), item), nodes_.end());
}

void KeyedTree::Remove(Node* node) {
    if (!node || node->treeWidget() != this) return;
    forget(node);
    delete node;
}

void KeyedTree::Remove(const QString& key) {
    Remove(Item(key));
}
void KeyedTree::Remove(int index) {
    Remove(Item(index));
}

void KeyedTree::Clear() {
    nodes_.clear();
    clear();
}

Node* KeyedTree::SelectedItem() const {
    return static_cast<Node*>(currentItem());
}

void KeyedTree::SetSelectedItem(Node* node) {
    setCurrentItem(node);
}

void KeyedTree::SetImageList(const ImageList* list) {
    images_ = list;
    for (Node* n : nodes_) applyIcon(n);
}

void KeyedTree::applyIcon(Node* node) {
    const bool current = node == currentItem();
    const int index = current && node->SelectedImage() ? node->SelectedImage() : node->Image();
    node->setIcon(0, images_ && index ? images_->Icon(index) : QIcon());
}

void KeyedTree::SetSorted(bool on) {
    setSortingEnabled(on);
    if (on) sortByColumn(0, Qt::AscendingOrder);
}

void KeyedTree::mouseReleaseEvent(QMouseEvent* event) {
    QTreeWidget::mouseReleaseEvent(event);
    detail::emitMouse(this, &KeyedTree::MouseUp, viewport(), event);
}

void KeyedTree::mouseDoubleClickEvent(QMouseEvent* event) {
    QTreeWidget::mouseDoubleClickEvent(event);
    if (event->button() == Qt::LeftButton) emit DblClick();
}

void KeyedTree::keyPressEvent(QKeyEvent* event) {
    if (detail::keyDownEaten(this, event)) return;
    keyboardMove_ = true;
    QTreeWidget::keyPressEvent(event);
    keyboardMove_ = false;
}

}  // namespace zelk
