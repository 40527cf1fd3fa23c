#include <gtest/gtest.h>

#include <QHeaderView>
#include <QImage>
#include <QTableWidget>
#include <QTreeWidget>

#include "platform/form.h"
#include "platform/screen.h"

namespace zelk {
namespace {

// A window with an area that lets frames be drawn over it.
class ScreenFrames : public ::testing::Test {
  protected:
    void SetUp() override {
        ClearScreenFrames();
        window.setGeometry(100, 100, 300, 200);
        area = new QWidget(&window);
        area->setGeometry(20, 20, 200, 150);
        overlay = new FrameOverlay(area);
        window.show();
        origin = area->mapToGlobal(QPoint(0, 0));
    }
    void TearDown() override { ClearScreenFrames(); }
    QWidget window;
    QWidget* area = nullptr;
    FrameOverlay* overlay = nullptr;
    QPoint origin;
};

TEST_F(ScreenFrames, DrawingTheSameFrameTwiceErasesIt) {
    const int l = origin.x() + 10, t = origin.y() + 20;
    DrawScreenRect(l, t, l + 100, t + 50, 0, 1, static_cast<std::int32_t>(0x8000000B),
                   R2_NOTXORPEN);
    ASSERT_EQ(ScreenFramesShown().size(), 1);
    EXPECT_EQ(ScreenFramesShown()[0].rect, QRect(l, t, 100, 50));
    DrawFocusFrame(QRect(origin + QPoint(5, 5), QSize(20, 20)));
    EXPECT_EQ(overlay->frames().size(), 2);

    DrawScreenRect(l, t, l + 100, t + 50, 0, 1, static_cast<std::int32_t>(0x8000000B),
                   R2_NOTXORPEN);
    ASSERT_EQ(ScreenFramesShown().size(), 1);
    EXPECT_TRUE(ScreenFramesShown()[0].focusFrame);
    DrawFocusFrame(QRect(origin + QPoint(5, 5), QSize(20, 20)));
    EXPECT_TRUE(ScreenFramesShown().isEmpty());
}

TEST_F(ScreenFrames, AFrameIsPaintedInsideTheWindowUnderItAndNowhereElse) {
    // Outside every window of ours: nothing is drawn (and drawing it again draws nothing).
    DrawFocusFrame(5, 5, 25, 25);
    EXPECT_TRUE(ScreenFramesShown().isEmpty());

    DrawFocusFrame(QRect(origin + QPoint(10, 10), QSize(20, 20)));
    ASSERT_EQ(overlay->frames().size(), 1);
    EXPECT_TRUE(overlay->testAttribute(Qt::WA_TransparentForMouseEvents));
    EXPECT_EQ(overlay->geometry(), area->rect());
    const QImage img = area->grab().toImage();
    EXPECT_EQ(img.pixelColor(10, 20), QColor(Qt::blue));
    EXPECT_EQ(img.pixelColor(30, 30), QColor(Qt::blue));
    EXPECT_NE(img.pixelColor(20, 20), QColor(Qt::blue));

    // The frame moves with the area (a scrolled canvas); hiding the window takes it away.
    area->move(40, 20);
    EXPECT_EQ(area->grab().toImage().pixelColor(10, 20), QColor(Qt::blue));
    window.hide();
    EXPECT_TRUE(ScreenFramesShown().isEmpty());
}

TEST(WindowStyles, HeaderToggledTwiceIsRestored) {
    QTreeWidget tree;
    tree.setHeaderLabels({"界面名称", "类型"});
    tree.header()->setSectionsClickable(true);
    QTableWidget table(2, 2);
    Form owner;
    using List = std::pair<QWidget*, QHeaderView*>;
    for (const auto& [list, header] :
         {List{&tree, tree.header()}, List{&table, table.horizontalHeader()}}) {
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

}  // namespace
}  // namespace zelk
