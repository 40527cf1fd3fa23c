// Selection frames and the line end-point handles, plus press-move-release
// sequences through Qt's events on both designers' canvases.

#include <QApplication>
#include <QMouseEvent>
#include <QTest>

#include "canvasmouse_support.h"
#include "designer/canvas/indcateex.h"

namespace zelk {
namespace {

using mousetest::rectOf;
using Rect = std::array<double, 4>;
using Caught = std::array<std::int32_t, 4>;

class Frames : public ::testing::Test {
  protected:
    void SetUp() override {
        ClearScreenFrames();
        container.resize(600, 400);
        new FrameOverlay(&container);
        container.show();
        frame.init(&container, &container, QStringLiteral("F"), QStringLiteral("key"), 0);
        frame.CatchRect(1000, 500, 2000, 800);
        QObject::connect(
            &frame, &IndcateEx::onSize,
            [this](std::int32_t& l, std::int32_t& t, std::int32_t& r, std::int32_t& b) {
                raised.push_back({l, t, r, b});
            });
    }
    void TearDown() override { ClearScreenFrames(); }
    QWidget container;
    IndcateEx frame;
    std::vector<Caught> raised;
};

TEST_F(Frames, CatchRectPlacesTheNineHandlesAroundTheRectangle) {
    const std::pair<double, double> places[9] = {{910, 410},  {1455, 410}, {2000, 410},
                                                 {910, 605},  {2000, 605}, {910, 800},
                                                 {1455, 800}, {2000, 800}, {1455, 605}};
    for (int k = 1; k <= 9; ++k) {
        DesignPictureBox* h = frame.handle(k);
        ASSERT_NE(h, nullptr);
        EXPECT_EQ(h->objectName(), QStringLiteral("F0") + QString::number(k));
        EXPECT_EQ(std::make_pair(h->Left(), h->Top()), places[k - 1]) << k;
        EXPECT_EQ(h->Visible(), k != 9) << k;
    }
    frame.RemoveIndcates();
    EXPECT_TRUE(container.findChildren<DesignPictureBox*>().isEmpty());
}

TEST_F(Frames, DragsDrawTheOutlineAndRaiseTheNewRectangleInWholePixels) {
    const struct {
        const char* handle;
        float dx, dy;
        bool moved;
        Caught expected;
    } cases[] = {
        // 01 past 08: the rectangle comes back normalised.
        {"01", 1500, 600, true, {1995, 795, 2505, 1095}},
        // 09 moves the whole rectangle by whole pixels and keeps its pixel size.
        {"09", 100, 50, true, {1110, 540, 2100, 840}},
        // A press and release draw nothing and give the rectangle back, to the pixel.
        {"05", 0, 0, false, {1005, 495, 1995, 795}},
    };
    for (const auto& c : cases) {
        frame.CatchRect(1000, 500, 2000, 800);
        raised.clear();
        const QString name = QStringLiteral("F") + QLatin1String(c.handle);
        frame.onIndcatesMouseDown(name, 1, 0, 45, 45);
        EXPECT_TRUE(ScreenFramesShown().isEmpty());
        if (c.moved) {
            frame.onIndcatesMouseMove(name, 1, 0, 45 + c.dx / 2, 45 + c.dy / 2);
            frame.onIndcatesMouseMove(name, 1, 0, 45 + c.dx, 45 + c.dy);
            EXPECT_EQ(ScreenFramesShown().size(), 1) << c.handle;
        }
        frame.onIndcatesMouseUp(name, 1, 0, 45 + c.dx, 45 + c.dy);
        ASSERT_EQ(raised.size(), 1u) << c.handle;
        EXPECT_EQ(raised[0], c.expected) << c.handle;
        EXPECT_TRUE(ScreenFramesShown().isEmpty()) << c.handle;
        // Moves and releases without a press do nothing.
        frame.onIndcatesMouseMove(name, 1, 0, 450, 0);
        frame.onIndcatesMouseUp(name, 1, 0, 450, 0);
        EXPECT_TRUE(ScreenFramesShown().isEmpty());
        EXPECT_EQ(raised.size(), 1u);
    }
}

TEST_F(Frames, ABlueHandleTakesTheLeftButtonThroughQtEvents) {
    DesignPictureBox* handle = frame.handle(8);
    QTest::mousePress(handle, Qt::RightButton, {}, QPoint(3, 3));
    EXPECT_FALSE(frame.Armed());
    QTest::mouseRelease(handle, Qt::RightButton, {}, QPoint(3, 3));
    QTest::mousePress(handle, Qt::LeftButton, {}, QPoint(3, 3));
    // The pressed handle hides; the container holds the mouse for the rest of the drag.
    EXPECT_FALSE(handle->Visible());
    EXPECT_EQ(QWidget::mouseGrabber(), &container);
    QTest::mouseMove(handle, QPoint(13, 8));
    QTest::mouseRelease(handle, Qt::LeftButton, {}, QPoint(13, 8));
    ASSERT_EQ(raised.size(), 1u);
    EXPECT_EQ(raised[0], (Caught{1005, 495, 2145, 870}));
    EXPECT_EQ(QWidget::mouseGrabber(), nullptr);
}

class CanvasEvents : public mousetest::CanvasFixture {};

TEST_P(CanvasEvents, APressMoveReleaseOnAControlMovesIt) {
    auto& box = text(990, 990, 990, 300);
    // Pixels of the control itself: the press reaches the canvas through it.
    QTest::mousePress(&box, Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_EQ(w->CurrentControl(), &box);
    QTest::mouseMove(&box, QPoint(25, 15));
    EXPECT_EQ(ScreenFramesShown().size(), 1);
    QTest::mouseRelease(&box, Qt::LeftButton, {}, QPoint(25, 15));
    EXPECT_EQ(rectOf(&box), (Rect{1290, 1140, 990, 300}));
    EXPECT_TRUE(ScreenFramesShown().isEmpty());
    EXPECT_TRUE(w->DesignModified);
}

TEST_P(CanvasEvents, ASizeHandleTakesThePressAndResizes) {
    auto& box = text(1500, 900, 1200, 300);
    w->VBSelectControl(&box);
    DesignPictureBox& handle = w->pic()[4];
    QTest::mousePress(&handle, Qt::LeftButton, {}, QPoint(3, 3));
    EXPECT_FALSE(handle.Visible());
    // The hidden handle's gesture goes on through the canvas.
    const QPoint at = w->PictureContainer->mapFromGlobal(handle.mapToGlobal(QPoint(13, 5)));
    QTest::mouseMove(w->PictureContainer, at);
    QTest::mouseRelease(w->PictureContainer, Qt::LeftButton, {}, at);
    EXPECT_EQ(rectOf(&box), (Rect{1500, 900, 1350, 330}));
    EXPECT_TRUE(handle.Visible());
    EXPECT_EQ(QWidget::mouseGrabber(), nullptr);

    // A drag whose release never comes is cancelled by Esc, by the next press, by losing the
    // window: the band goes, the handles come back, nothing is applied then or later.
    ASSERT_TRUE(QTest::qWaitForWindowActive(w.get()));
    QWidget other;
    const std::function<void()> ends[] = {
        [] { QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape); },
        [&] { QTest::mousePress(w->PictureContainer, Qt::LeftButton, {}, QPoint(400, 300)); },
        [&] {
            other.show();
            other.activateWindow();
            ASSERT_TRUE(QTest::qWaitForWindowActive(&other));
        },
        [&] { w->hide(); },
    };
    for (const auto& end : ends) {
        w->show();
        w->VBSelectControl(&box);
        QTest::mousePress(&w->pic()[4], Qt::LeftButton, {}, QPoint(3, 3));
        QTest::mouseMove(w->PictureContainer, at + QPoint(30, 30));
        ASSERT_EQ(ScreenFramesShown().size(), 1);
        end();
        EXPECT_TRUE(ScreenFramesShown().isEmpty());
        QTest::mouseRelease(w->PictureContainer, Qt::LeftButton, {}, at + QPoint(30, 30));
        EXPECT_EQ(QWidget::mouseGrabber(), nullptr);
        EXPECT_EQ(rectOf(&box), (Rect{1500, 900, 1350, 330}));
        EXPECT_FALSE(w->gesture().HandleDragging);
    }
}

TEST_P(CanvasEvents, TheLineEndHandleFollowsTheLeftButtonOnly) {
    auto& l = line(1000, 600, 3000, 600);
    w->VBSelectControl(&l);
    DesignPictureBox* pic10 = w->sizeline->pic10();
    EXPECT_EQ(std::make_pair(pic10->Left(), pic10->Top()), std::make_pair(955.0, 555.0));
    EXPECT_EQ(w->sizeline->pic20()->Left(), 2955);
    w->DesignModified = false;
    QTest::mousePress(pic10, Qt::RightButton, {}, QPoint(3, 3));
    QTest::mouseMove(pic10, QPoint(13, 1));
    QTest::mouseRelease(pic10, Qt::RightButton, {}, QPoint(13, 1));
    EXPECT_EQ(rectOf(&l), (Rect{1000, 600, 3000, 600}));
    EXPECT_FALSE(w->DesignModified);
    QTest::mousePress(pic10, Qt::LeftButton, {}, QPoint(3, 3));
    QTest::mouseMove(pic10, QPoint(13, 1));
    QTest::mouseRelease(pic10, Qt::LeftButton, {}, QPoint(13, 1));
    EXPECT_EQ(rectOf(&l), (Rect{1150, 570, 3000, 600}));
    EXPECT_TRUE(w->DesignModified);
}

TEST_P(CanvasEvents, APressOnAWhiteFrameHandleReachesTheCanvas) {
    auto& box = text(1500, 900, 1200, 300);
    w->AddToSelection(&box);
    ASSERT_EQ(w->selection().SelectionFrames().size(), 1u);
    DesignPictureBox* handle = w->selection().SelectionFrames()[0]->handle(1);
    ASSERT_NE(handle, nullptr);
    const QPoint onCanvas = handle->mapTo(w->PictureContainer, QPoint(2, 2));
    // The press picks the box under the handle, which removes the frame and the pressed handle
    // with it: the move of that box still gets its moves and its release.
    auto& under = text(1200, 600, 405, 405);
    QTest::mousePress(handle, Qt::LeftButton, {}, QPoint(2, 2));
    EXPECT_EQ(w->gesture().MouseDownX, onCanvas.x() * 15);
    EXPECT_EQ(w->gesture().MouseDownY, onCanvas.y() * 15);
    EXPECT_EQ(w->CurrentControl(), &under);
    EXPECT_TRUE(w->selection().SelectionFrames().empty());
    QTest::mouseMove(w->PictureContainer, onCanvas + QPoint(10, 10));
    QTest::mouseRelease(w->PictureContainer, Qt::LeftButton, {}, onCanvas + QPoint(10, 10));
    EXPECT_EQ(rectOf(&under), (Rect{1350, 750, 405, 405}));
    EXPECT_EQ(QWidget::mouseGrabber(), nullptr);
}

// A move without a button, as the window system delivers it to the widget under the pointer.
void hover(QWidget* widget, QPoint at) {
    QMouseEvent move(QEvent::MouseMove, at, widget->mapToGlobal(at), Qt::NoButton, Qt::NoButton,
                     Qt::NoModifier);
    QApplication::sendEvent(widget, &move);
}

TEST_P(CanvasEvents, HoveringNearTheEdgeShowsTheSizingPointer) {
    // The background layer covers the canvas: the moves reach the canvas through it.
    hover(w->PictureTest, QPoint(597, 397));
    EXPECT_EQ(w->PictureContainer->MousePointer(), 8);
    hover(w->PictureTest, QPoint(100, 100));
    EXPECT_EQ(w->PictureContainer->MousePointer(), 0);
    // Over a control too: a pointer left from the edge would start a resize on the next press.
    auto& edge = text(8700, 990, 300, 300);
    auto& inside = text(990, 990, 990, 300);
    hover(&edge, QPoint(18, 2));
    EXPECT_EQ(w->PictureContainer->MousePointer(), 9);
    hover(&inside, QPoint(2, 2));
    EXPECT_EQ(w->PictureContainer->MousePointer(), 0);
}

ZELK_ON_BOTH_DESIGNERS(CanvasEvents);

}  // namespace
}  // namespace zelk
