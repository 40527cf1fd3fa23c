#pragma once
// The keyed tree the windows use: nodes with unique keys, added relative to another node,
// with images from an image list, a text tag, and a collection numbered from 1 in the order the
// nodes were added.
//
// Errors: Add with a key that is already taken throws ZelkError 35602, with a relative key that
// names no node 35601, as the original tree did. Lookups by a bad index or key return nullptr.

#include <QString>
#include <QTreeWidget>
#include <QTreeWidgetItem>
#include <vector>

#include "platform/controls/collectionerrors.h"

namespace zelk {

class ImageList;
class KeyedTree;

// Where Add puts the new node, relative to the node named by the relative key.
enum class TreeRelationship { First = 0, Last = 1, Next = 2, Previous = 3, Child = 4 };

class Node : public QTreeWidgetItem {
  public:
    int Index() const;  // 1-based place in the tree's collection
    QString Key() const;
    QString Text() const { return text(0); }
    void SetText(const QString& text) { setText(0, text); }
    QString Tag() const;
    void SetTag(const QString& tag);
    // Indexes into the tree's image list (0 for none); the selected image shows while the node
    // is the current one.
    int Image() const;
    void SetImage(int index);
    int SelectedImage() const;
    void SetSelectedImage(int index);
    bool Expanded() const { return isExpanded(); }
    // Expanding raises the tree's Expand signal, as a user's expand does.
    void SetExpanded(bool on) { setExpanded(on); }
    int Children() const { return childCount(); }
    Node* Child() const;     // first child
    Node* Next() const;      // next sibling
    Node* Previous() const;  // previous sibling
    Node* Parent() const;
    Node* Root() const;  // the top-level node above it (itself for a top-level node)
    bool Selected() const { return isSelected(); }
    void EnsureVisible();

  private:
    friend class KeyedTree;
    Node() : QTreeWidgetItem(UserType + 2) {}
    KeyedTree* tree() const;
};

class KeyedTree : public QTreeWidget {
    Q_OBJECT
  public:
    explicit KeyedTree(QWidget* parent = nullptr);
    ~KeyedTree() override;

    // Without a relative key the node becomes the last top-level node (First puts it first).
    Node* Add(const QString& relative = {}, TreeRelationship relationship = TreeRelationship::Last,
              const QString& key = {}, const QString& text = {}, int image = 0,
              int selectedImage = 0);
    Node* Add(Node* relative, TreeRelationship relationship, const QString& key = {},
              const QString& text = {}, int image = 0, int selectedImage = 0);
    int Count() const { return static_cast<int>(nodes_.size()); }
    Node* Item(int index) const;  // 1-based; nullptr when out of range
    Node* Item(const QString& key) const;
    // Removes the node and all below it. Unknown key or index: nothing.
    void Remove(const QString& key);
    void Remove(int index);
    void Remove(Node* node);
    void Clear();
    // The current node, or nullptr.
    Node* SelectedItem() const;
    void SetSelectedItem(Node* node);
    void SetImageList(const ImageList* list);
    const ImageList* ImageListPtr() const { return images_; }

    void SetSorted(bool on);
    // Lines between nodes and lines (expanders) at the top level.
    void SetLines(bool on) { lines_ = on; }
    void SetRootLines(bool on) { setRootIsDecorated(on); }

  signals:
    // Clicked with the mouse, or made current with the keyboard.
    void NodeClick(zelk::Node* node);
    // Raised when the node opens (by the user or SetExpanded), before it is painted open: a
    // window may add or remove its children here.
    void Expand(zelk::Node* node);
    void Collapse(zelk::Node* node);
    void DblClick();
    void MouseUp(int button, int shift, double x, double y);
    // Setting keyCode to 0 consumes the key.
    void KeyDown(int& keyCode, int shift);

  protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

  private:
    friend class Node;
    void applyIcon(Node* node);
    void forget(QTreeWidgetItem* item);
    std::vector<Node*> nodes_;
    const ImageList* images_ = nullptr;
    bool lines_ = true;
    bool keyboardMove_ = false;
};

}  // namespace zelk
