#include <gtest/gtest.h>

#include <QFrame>
#include <QHeaderView>
#include <QImage>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTreeWidget>

#include "platform/controlarray.h"
#include "platform/form.h"
#include "platform/screen.h"
#include "platform/twips.h"

namespace zelk {
namespace {

class ScreenFrames : public ::testing::Test {
  protected:
    void SetUp() override { ClearScreenFrames(); }
    void TearDown() override { ClearScreenFrames(); }
};

TEST_F(ScreenFrames, DrawingTheSameFrameTwiceErasesIt) {
    DrawScreenRect(10, 20, 110, 70, 0, 1, static_cast<std::int32_t>(0x8000000B), R2_NOTXORPEN);
    ASSERT_EQ(ScreenFramesShown().size(), 1);
    EXPECT_EQ(ScreenFramesShown()[0].rect, QRect(10, 20, 100, 50));
    DrawFocusFrame(QRect(5, 5, 20, 20));
    EXPECT_EQ(ScreenFramesShown().size(), 2);
    ASSERT_NE(screenOverlayWidget(), nullptr);
    EXPECT_TRUE(screenOverlayWidget()->isVisible());

    DrawScreenRect(10, 20, 110, 70, 0, 1, static_cast<std::int32_t>(0x8000000B), R2_NOTXORPEN);
    ASSERT_EQ(ScreenFramesShown().size(), 1);
    EXPECT_TRUE(ScreenFramesShown()[0].focusFrame);
    DrawFocusFrame(QRect(5, 5, 20, 20));
    EXPECT_TRUE(ScreenFramesShown().isEmpty());
    EXPECT_FALSE(screenOverlayWidget()->isVisible());
}

TEST_F(ScreenFrames, OverlayPaintsTheFrameInItsColour) {
    DrawFocusFrame(10, 10, 30, 30);
    const QImage img = screenOverlayWidget()->grab().toImage();
    const QPoint origin = screenOverlayWidget()->geometry().topLeft();
    EXPECT_EQ(img.pixelColor(QPoint(10, 20) - origin), QColor(Qt::blue));
    EXPECT_EQ(img.pixelColor(QPoint(30, 30) - origin), QColor(Qt::blue));
    EXPECT_NE(img.pixelColor(QPoint(20, 20) - origin), QColor(Qt::blue));
}

TEST(WindowStyles, HeaderToggledTwiceIsRestored) {
    QTreeWidget tree;
    tree.setHeaderLabels({"界面名称", "类型"});
    tree.header()->setSectionsClickable(true);
    QTableWidget table(2, 2);
    Form owner;
    for (QWidget* list : {static_cast<QWidget*>(&tree), static_cast<QWidget*>(&table)}) {
        QHeaderView* header =
            qobject_cast<QTreeWidget*>(list) ? tree.header() : table.horizontalHeader();
        const QString sheet = header->styleSheet();
        const bool clickable = header->sectionsClickable();
        ASSERT_TRUE(headerHasButtons(list));
        ToggleHeaderButtons(&owner, list);
        EXPECT_FALSE(headerHasButtons(list));
        EXPECT_FALSE(header->sectionsClickable());
        ToggleHeaderButtons(&owner, list);
        EXPECT_TRUE(headerHasButtons(list));
        EXPECT_EQ(header->styleSheet(), sheet);
        EXPECT_EQ(header->sectionsClickable(), clickable);
    }
}

TEST(WindowStyles, EmbedsInAWindowOfThisProcess) {
    QWidget host;
    host.resize(300, 200);
    host.show();
    auto* child = new Form;
    child->setWindowTitle("主窗口");
    ASSERT_TRUE(EmbedInHostWindow(child, host.winId()));
    EXPECT_EQ(child->parentWidget(), &host);
    EXPECT_FALSE(child->isWindow());
    EXPECT_TRUE(child->isVisible());
    EXPECT_FALSE(EmbedInHostWindow(child, 0));
    EXPECT_FALSE(EmbedInHostWindow(child, 987654));  // no window has that id
    EXPECT_EQ(child->parentWidget(), &host);
}

// A small window made of the platform's building blocks, rendered through the real Qt path.
TEST(Smoke, SmallWindowRendersToPng) {
    QTemporaryDir dir;
    Form form;
    form.setWindowTitle("界面属性");
    form.resizeTwips(6000, 4500);
    auto* panel = new QFrame(&form);
    panel->setGeometry(twipsToPixels(150), twipsToPixels(150), twipsToPixels(5550),
                       twipsToPixels(2400));
    SetSunkenBorder(panel, true);
    auto* caption = new QLabel("界面名称", panel);
    caption->setGeometry(8, 8, 90, 22);
    ControlArray<QLabel> labels("Label1", caption);
    QLabel& second = labels.load(1);
    second.move(8, 40);
    second.setText("界面类型");
    second.show();
    auto* tree = new QTreeWidget(&form);
    tree->setGeometry(10, 180, 370, 100);
    tree->setHeaderLabels({"名称", "类型"});
    new QTreeWidgetItem(tree, {"条目录入", "1"});
    ToggleHeaderButtons(&form, tree);
    auto* ok = new QPushButton("确定", &form);
    ok->setGeometry(200, 250, 80, 24);
    form.show();

    const QString file = dir.filePath("window.png");
    ASSERT_TRUE(form.grab().save(file));
    const QImage img(file);
    ASSERT_FALSE(img.isNull());
    EXPECT_EQ(img.size(), form.size());
    EXPECT_TRUE(form.unload());
}

}  // namespace
}  // namespace zelk
