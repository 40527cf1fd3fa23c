#include "management/suite/classtree.h"

#include <map>

#include "component/fixedfield.h"
#include "component/zelkmodule.h"
#include "dataaccess/dravix.h"
#include "management/suite/classdata.h"
#include "platform/errors.h"
#include "platform/form.h"
#include "platform/twips.h"

namespace zelk {

namespace {

const QString kRootKey = QStringLiteral("root");

QString classKey(std::int32_t id) {
    return QStringLiteral("class") + QString::number(id);
}

}  // namespace

ClassTree::ClassTree(QObject* parent) : QObject(parent), view_(new KeyedTree) {
    view_->setHeaderHidden(true);
    images_.Add(QStringLiteral("ID_TABLE"));
    images_.Add(QStringLiteral("ID_FLMB"));
    view_->SetImageList(&images_);
    connect(
        view_, &KeyedTree::NodeClick, this,
        Trapped(QStringLiteral("ClassTree.NodeClick"), [this](Node* node) { nodeClicked(node); }));
    connect(view_, &KeyedTree::KeyDown, this, [this](int& keyCode, int) {
        if (keyCode != vbKeyF1) return;
        keyCode = 0;
        QString id;
        emit NeedHelp(id);
    });
}

ClassTree::~ClassTree() {
    delete view_.data();
}

void ClassTree::Open(std::int32_t hdbc, std::int32_t, const QString& mainTable,
                     const QString& systemName, const QString&) {
    mainTable_ = mainTable;
    view_->Clear();
    TableDefineRecord table;
    const QString description = sysTableGetDefine(hdbc, mainTable, table) >= 1
                                    ? TrimFixedField(fieldText(table.m02))
                                    : QString();
    Node* root = view_->Add(QString(), TreeRelationship::Last, kRootKey,
                            description.isEmpty() ? mainTable : description, 1, 1);
    root->SetTag(QString());
    std::map<std::int32_t, Node*> nodes;
    for (const ClassEntry& entry : ReadClasses(hdbc, mainTable, systemName)) {
        const auto parent = nodes.find(entry.parent);
        Node* above = parent != nodes.end() ? parent->second : root;
        // A class listed twice keeps its first node.
        if (view_->Item(classKey(entry.id))) continue;
        Node* node =
            view_->Add(above, TreeRelationship::Child, classKey(entry.id), entry.name, 2, 2);
        node->SetTag(entry.fullName);
        nodes[entry.id] = node;
    }
    root->SetExpanded(true);
    SetCurrentClass(current_);
}

void ClassTree::AttachTo(std::int32_t, QWidget* container) {
    view_->setParent(container);
    view_->move(0, 0);
    if (container) view_->resize(container->size());
    view_->show();
}

void ClassTree::Resize(std::int32_t width, std::int32_t height) {
    view_->resize(twipsToPixels(width), twipsToPixels(height));
}

void ClassTree::SetCurrentClass(const QString& className) {
    // A class the tree does not hold is not current: the root is, and the tree says so.
    current_.clear();
    Node* found = view_->Item(kRootKey);
    for (int i = 1; i <= view_->Count(); ++i) {
        Node* node = view_->Item(i);
        if (node->Key() != kRootKey && node->Tag() == className) {
            found = node;
            current_ = className;
            break;
        }
    }
    const QSignalBlocker quiet(view_.data());
    view_->SetSelectedItem(found);
    if (found) found->EnsureVisible();
}

void ClassTree::nodeClicked(Node* node) {
    if (!node) return;
    current_ = node->Key() == kRootKey ? QString() : node->Tag();
    emit TypeChange(mainTable_, current_);
}

}  // namespace zelk
