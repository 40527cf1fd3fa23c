#include "designer/designerbase.h"

#include <QHeaderView>
#include <QVBoxLayout>

namespace zelk {

namespace {

// Element 0 of an array: the template, placed on the canvas and never shown.
template <class T>
T* makeTemplate(QWidget* canvas, DesignArray array) {
    auto* control = new T(canvas);
    control->applyTemplate(array);
    control->hide();
    return control;
}

}  // namespace

DesignerBase::DesignerBase(QWidget* parent)
    : Form(parent),
      ItemTable(kMaxDesignItems + 1),
      PictureContainer(new QWidget(this)),
      TreeView1(new QTreeWidget(this)),
      LabelArray(QStringLiteral("LabelArray"),
                 makeTemplate<DesignLabel>(PictureContainer, DesignArray::LabelArray)),
      TextBoxArray(QStringLiteral("TextBoxArray"),
                   makeTemplate<DesignTextBox>(PictureContainer, DesignArray::TextBoxArray)),
      MemoBoxArray(QStringLiteral("MemoBoxArray"),
                   makeTemplate<DesignTextBox>(PictureContainer, DesignArray::MemoBoxArray)),
      MMXArray(QStringLiteral("MMXArray"),
               makeTemplate<DesignTextBox>(PictureContainer, DesignArray::MMXArray)),
      ChildTableArray(QStringLiteral("ChildTableArray"),
                      makeTemplate<DesignTextBox>(PictureContainer, DesignArray::ChildTableArray)),
      CheckBoxArray(QStringLiteral("CheckBoxArray"),
                    makeTemplate<DesignCheckBox>(PictureContainer, DesignArray::CheckBoxArray)),
      ComboBoxArray(QStringLiteral("ComboBoxArray"),
                    makeTemplate<DesignComboBox>(PictureContainer, DesignArray::ComboBoxArray)),
      ListBoxArray(QStringLiteral("ListBoxArray"),
                   makeTemplate<DesignListBox>(PictureContainer, DesignArray::ListBoxArray)),
      FrameArray(QStringLiteral("FrameArray"),
                 makeTemplate<DesignFrame>(PictureContainer, DesignArray::FrameArray)),
      DatePickerArray(
          QStringLiteral("DatePickerArray"),
          makeTemplate<DesignPlainTextBox>(PictureContainer, DesignArray::DatePickerArray)),
      ShapeArray(QStringLiteral("ShapeArray"),
                 makeTemplate<DesignPictureBox>(PictureContainer, DesignArray::ShapeArray)),
      LineArray(QStringLiteral("LineArray"),
                makeTemplate<DesignLine>(PictureContainer, DesignArray::LineArray)),
      LabelVisible(kMaxDesignItems + 1, 0) {
    PictureContainer->setObjectName(QStringLiteral("PictureContainer"));
    PictureContainer->setAutoFillBackground(true);
    TreeView1->setObjectName(QStringLiteral("TreeView1"));
    TreeView1->setHeaderHidden(true);
    TreeView1->setColumnCount(1);
}

DesignerBase::~DesignerBase() = default;

bool DesignerBase::labelVisible(std::int32_t labelIndex) const {
    if (labelIndex < 0 || static_cast<std::size_t>(labelIndex) >= LabelVisible.size()) return false;
    return LabelVisible[static_cast<std::size_t>(labelIndex)] != 0;
}

void DesignerBase::setLabelVisible(std::int32_t labelIndex, bool visible) {
    if (labelIndex < 0) return;
    const auto at = static_cast<std::size_t>(labelIndex);
    if (at >= LabelVisible.size()) LabelVisible.resize(at + 1, 0);
    LabelVisible[at] = visible ? -1 : 0;
}

void DesignerBase::InitFieldTree() {
    TreeView1->clear();
    auto* root = new QTreeWidgetItem(TreeView1);
    root->setText(0, QStringLiteral("数据栏目"));
    root->setData(0, kTreeKeyRole, QStringLiteral("data"));
    root->setExpanded(true);
}

QTreeWidgetItem* DesignerBase::fieldTreeRoot() const {
    for (int i = 0; i < TreeView1->topLevelItemCount(); ++i) {
        QTreeWidgetItem* node = TreeView1->topLevelItem(i);
        if (node->data(0, kTreeKeyRole).toString() == QLatin1String("data")) return node;
    }
    return nullptr;
}

void DesignerBase::addFieldTreeNode(const QString& text, std::int32_t itemIndex) {
    QTreeWidgetItem* root = fieldTreeRoot();
    if (!root) {
        // The window builds the root when it loads; a designer used before that gets it now so
        // that no item is left without its node.
        InitFieldTree();
        root = fieldTreeRoot();
    }
    auto* node = new QTreeWidgetItem(root);
    node->setText(0, text);
    node->setData(0, kTreeTagRole, itemIndex);
    node->setData(0, kTreeImageRole, 2);
    node->setData(0, kTreeSelectedImageRole, 3);
}

DesignControl* DesignerBase::itemControl(std::int32_t kind, std::int32_t arrayIndex) const {
    switch (kind) {
        case kKindLabel:
            return LabelArray.find(arrayIndex);
        case kKindTextBox:
            return TextBoxArray.find(arrayIndex);
        case kKindCheckBox:
            return CheckBoxArray.find(arrayIndex);
        case kKindComboBox:
            return ComboBoxArray.find(arrayIndex);
        case kKindDatePicker:
            return DatePickerArray.find(arrayIndex);
        case kKindListBox:
            return ListBoxArray.find(arrayIndex);
        case kKindShape:
            return ShapeArray.find(arrayIndex);
        case kKindFrame:
            return FrameArray.find(arrayIndex);
        case kKindLine:
            return LineArray.find(arrayIndex);
        case kKindMemoBox:
            return MemoBoxArray.find(arrayIndex);
        case kKindMMX:
            return MMXArray.find(arrayIndex);
        case kKindChildTable:
            return ChildTableArray.find(arrayIndex);
        default:
            return extraItemControl(kind, arrayIndex);
    }
}

DesignControl* DesignerBase::extraItemControl(std::int32_t, std::int32_t) const {
    return nullptr;
}

void DesignerBase::completeDesignItem(DesignItem&, const ItemSettings&) const {}

}  // namespace zelk
