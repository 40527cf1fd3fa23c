#pragma once
// The suite's class tree, ours: the classes of a main table as a tree under a root for the table
// itself, shown inside a window of the caller. Picking a class raises TypeChange with the table
// and the class's full name ("" for the root); F1 in the tree raises NeedHelp.

#include <cstdint>

#include <QObject>
#include <QPointer>
#include <QString>
#include <QWidget>

#include "platform/controls/imagelist.h"
#include "platform/controls/keyedtree.h"

namespace zelk {

class ClassTree : public QObject {
    Q_OBJECT
  public:
    explicit ClassTree(QObject* parent = nullptr);
    ~ClassTree() override;

    // Reads the classes of the main table; `level` is kept for the suite's callers.
    void Open(std::int32_t hdbc, std::int32_t level, const QString& mainTable,
              const QString& systemName, const QString& userName);
    // Shows the tree inside `container`.
    void AttachTo(std::int32_t flags, QWidget* container);
    // Sizes the tree (twips).
    void Resize(std::int32_t width, std::int32_t height);

    // The class current in the tree; setting it selects that class's node. For "" or a class
    // the tree does not hold the root is selected and current ("").
    QString CurrentClass() const { return current_; }
    void SetCurrentClass(const QString& className);

    KeyedTree* view() const { return view_; }
    QString mainTable() const { return mainTable_; }

  signals:
    void TypeChange(const QString& first, const QString& className);
    void NeedHelp(QString& id);

  private:
    void nodeClicked(Node* node);
    QPointer<KeyedTree> view_;
    ImageList images_;
    QString mainTable_;
    QString current_;
};

}  // namespace zelk
