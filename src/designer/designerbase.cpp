#include "designer/designerbase.h"

#include "designer/designercanvashost.h"
#include "platform/screen.h"

#include <QHeaderView>
#include <QVBoxLayout>

namespace zelk {

namespace {

DesignPictureBox* surface(QWidget* parent, const char* name) {
    auto* box = new DesignPictureBox(parent);
    box->setObjectName(QString::fromLatin1(name));
    box->setBorderStyle(0);
    box->Move(0, 0, 4500, 4500);
    return box;
}

}  // namespace

DesignerBase::DesignerBase(QWidget* parent)
    : Form(parent),
      Text1(new QLineEdit(this)),
      Text2(new QLineEdit(this)),
      Text3(new QLineEdit(this)),
      Text4(new QLineEdit(this)),
      Pictureform(new QWidget(this)),
      PictureBack(new QWidget(Pictureform)),
      ItemTable(kMaxDesignItems + 1),
      PictureContainer(surface(PictureBack, "PictureContainer")),
      PictureTest(surface(PictureContainer, "PictureTest")),
      TreeView1(new KeyedTree(this)),
      LabelArray(QStringLiteral("LabelArray"),
                 makeTemplate<DesignLabel>(PictureTest, DesignArray::LabelArray)),
      TextBoxArray(QStringLiteral("TextBoxArray"),
                   makeTemplate<DesignTextBox>(PictureTest, DesignArray::TextBoxArray)),
      MemoBoxArray(QStringLiteral("MemoBoxArray"),
                   makeTemplate<DesignTextBox>(PictureTest, DesignArray::MemoBoxArray)),
      MMXArray(QStringLiteral("MMXArray"),
               makeTemplate<DesignTextBox>(PictureTest, DesignArray::MMXArray)),
      ChildTableArray(QStringLiteral("ChildTableArray"),
                      makeTemplate<DesignTextBox>(PictureTest, DesignArray::ChildTableArray)),
      ComboBoxArray(QStringLiteral("ComboBoxArray"),
                    makeTemplate<DesignComboBox>(PictureTest, DesignArray::ComboBoxArray)),
      FrameArray(QStringLiteral("FrameArray"),
                 makeTemplate<DesignFrame>(PictureTest, DesignArray::FrameArray)),
      DatePickerArray(QStringLiteral("DatePickerArray"),
                      makeTemplate<DesignPlainTextBox>(PictureTest, DesignArray::DatePickerArray)),
      ShapeArray(QStringLiteral("ShapeArray"),
                 makeTemplate<DesignPictureBox>(PictureTest, DesignArray::ShapeArray)),
      LineArray(QStringLiteral("LineArray"),
                makeTemplate<DesignLine>(PictureTest, DesignArray::LineArray)),
      LabelVisible(kMaxDesignItems + 1, 0),
      handles_(PictureContainer),
      current_(handles_, *(sizeline = new LineIndcate(this)), {Text1, Text2, Text3, Text4},
               [this](const QString& text) { SetStatusText(text); }),
      selection_(current_, this, PictureContainer, [this](const QString& name, std::int32_t index) {
          return controlByName(name, index);
      }) {
    TreeView1->setObjectName(QStringLiteral("TreeView1"));
    // The window's own background layer: the system window colour until the interface says.
    PictureTest->setBackColor(SysColor::Window);
    // The canvas takes the keys (Del, the arrows) when it or a control on it is clicked.
    PictureContainer->setFocusPolicy(Qt::StrongFocus);
    // Drag bands are drawn on the canvas, above its controls and below the handles made later.
    new FrameOverlay(PictureContainer);
    buildWindow();
    connectHandlers();
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
    TreeView1->Clear();
    TreeView1->Add(QString(), TreeRelationship::Last, QStringLiteral("data"),
                   QStringLiteral("数据栏目"), 1, 1);
}

void DesignerBase::addFieldTreeNode(const QString& text, std::int32_t itemIndex) {
    // The window builds the root when it loads; a designer used before that gets it now so that
    // no item is left without its node.
    if (!fieldTreeRoot()) InitFieldTree();
    Node* node =
        TreeView1->Add(QStringLiteral("data"), TreeRelationship::Child, QString(), text, 2, 3);
    node->SetTag(QString::number(itemIndex));
}

DesignControl* DesignerBase::itemControl(std::int32_t kind, std::int32_t arrayIndex) const {
    switch (kind) {
        case kKindLabel:
            return LabelArray.find(arrayIndex);
        case kKindTextBox:
            return TextBoxArray.find(arrayIndex);
        case kKindComboBox:
            return ComboBoxArray.find(arrayIndex);
        case kKindDatePicker:
            return DatePickerArray.find(arrayIndex);
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
