// The canvas gestures of both designers with a real mouse on an X server: each works on the first
// try, lands where the pointer took it and leaves nothing pending for the next click.

#include "designer_fixture.h"
#include "platform/controls/designline.h"

namespace zelk::realwindow {
namespace {

using Rect = std::array<double, 4>;

class DesignerGestures : public RealDesigner {
  protected:
    QString statusOf(const Rect& r) const {
        return QStringLiteral("左上角坐标(%1,%2)右下角坐标(%3,%4)")
            .arg(r[0])
            .arg(r[1])
            .arg(r[0] + r[2])
            .arg(r[1] + r[3]);
    }
};

TEST_P(DesignerGestures, TheFirstClickSelectsWithHandlesAndStatusAndTheFirstDragMoves) {
    runModal([&] {
        DesignBox* b = box(QStringLiteral("文号"));  // on the pixel grid
        const Rect before = rect(b);
        ASSERT_EQ(before, (Rect{1620, 1560, 3000, 300}));
        select(b);
        EXPECT_EQ(w->statusText(), statusOf(before));
        EXPECT_EQ(rect(b), before);
        EXPECT_EQ(w->Text1->text(), QStringLiteral("1620"));
        EXPECT_FALSE(w->DesignModified);
    });

    // A fresh window whose first gesture is a drag: the control follows the pointer.
    w = open();
    runModal([&] {
        DesignBox* b = box(QStringLiteral("文号"));
        // Away from the last click, which a second press there would make a double click.
        const QPoint grip = centre(b) - QPoint(40, 0);
        input.drag(canvas(), grip, grip + QPoint(30, 20));
        const Rect moved{1620 + 450, 1560 + 300, 3000, 300};
        EXPECT_TRUE(waitUntil([&] { return rect(b) == moved && handles(true); }))
            << "left " << b->Left() << " top " << b->Top();
        EXPECT_EQ(w->CurrentControl(), b);
        EXPECT_TRUE(ScreenFramesShown().isEmpty());
        EXPECT_EQ(w->statusText(), statusOf(moved));
        EXPECT_TRUE(w->DesignModified);
    });
}

TEST_P(DesignerGestures, ASizeHandleResizesByTheDragAndTheNextClickChangesNothingElse) {
    runModal([&] {
        DesignBox* b = box(QStringLiteral("文号"));
        DesignBox* other = box(QStringLiteral("标题"));
        const Rect otherBefore = rect(other);
        select(b);
        // pic(4) sits on the bottom-right corner; 20 pixels right and 10 down.
        QWidget* corner = &w->pic()[4];
        input.drag(corner, corner->rect().center(), corner->rect().center() + QPoint(20, 10));
        const Rect resized{1620, 1560, 3000 + 300, 300 + 150};
        EXPECT_TRUE(waitUntil([&] { return rect(b) == resized && handles(true); }))
            << "width " << b->Width() << " height " << b->Height();
        EXPECT_EQ(w->statusText(), statusOf(resized));
        EXPECT_TRUE(ScreenFramesShown().isEmpty());

        select(other);
        EXPECT_EQ(rect(b), resized);
        EXPECT_EQ(rect(other), otherBefore);
        // And a click on empty canvas takes the handles away and moves nothing.
        input.click(canvas(), px(9000, 6900));
        EXPECT_TRUE(waitUntil([&] { return w->CurrentControl() == nullptr && handles(false); }));
        EXPECT_EQ(rect(b), resized);
        EXPECT_EQ(rect(other), otherBefore);
    });
}

TEST_P(DesignerGestures, ALineEndHandleDragMovesThatEnd) {
    runModal([&] {
        DesignLine* line = nullptr;
        for (std::int32_t i = 1; i <= w->ItemCount && !line; ++i)
            line = asLine(w->itemControl(w->ItemTable[static_cast<std::size_t>(i)]));
        ASSERT_TRUE(line);
        const std::array<double, 4> ends{line->X1(), line->Y1(), line->X2(), line->Y2()};
        input.click(canvas(), px((ends[0] + ends[2]) / 2, (ends[1] + ends[3]) / 2));
        QWidget* end = w->sizeline->pic20();
        ASSERT_TRUE(waitUntil([&] { return w->CurrentControl() == line && end->isVisible(); }));
        input.drag(end, end->rect().center(), end->rect().center() + QPoint(-40, 30));
        const std::array<double, 4> after{ends[0], ends[1], ends[2] - 600, ends[3] + 450};
        EXPECT_TRUE(waitUntil([&] {
            return std::array<double, 4>{line->X1(), line->Y1(), line->X2(), line->Y2()} == after &&
                   end->isVisible();
        })) << "end at "
            << line->X2() << "," << line->Y2();
        EXPECT_EQ(w->CurrentControl(), line);
    });
}

TEST_P(DesignerGestures, ThreeShiftSelectedControlsMoveAsAGroup) {
    runModal([&] {
        const std::vector<DesignBox*> group{box(QStringLiteral("文号")),
                                            box(QStringLiteral("密级")),
                                            box(QStringLiteral("已核稿"))};
        std::vector<Rect> before;
        for (DesignBox* b : group) before.push_back(rect(b));
        for (std::size_t i = 0; i < group.size(); ++i) {
            input.click(canvas(), centre(group[i]), true);
            EXPECT_TRUE(waitUntil([&] { return w->SelectedControls().size() == i + 1; }));
        }
        EXPECT_EQ(w->selection().SelectionFrames().size(), 3u);
        for (std::size_t i = 0; i < group.size(); ++i) EXPECT_EQ(rect(group[i]), before[i]);
        EXPECT_FALSE(w->DesignModified);

        input.drag(canvas(), centre(group[1]), centre(group[1]) + QPoint(40, 20));
        EXPECT_TRUE(waitUntil([&] { return group[2]->Left() == before[2][0] + 600; }));
        for (std::size_t i = 0; i < group.size(); ++i)
            EXPECT_EQ(rect(group[i]),
                      (Rect{before[i][0] + 600, before[i][1] + 300, before[i][2], before[i][3]}))
                << i;
        EXPECT_EQ(w->SelectedControls().size(), 3u);
        EXPECT_EQ(w->selection().SelectionFrames().size(), 3u);
    });
}

TEST_P(DesignerGestures, TheCanvasCornerResizesTheCanvas) {
    runModal([&] {
        const CanvasValues before = w->canvasValues();
        const QPoint corner = px(before.Width - 60, before.Height - 60);
        input.moveTo(canvas(), corner);
        ASSERT_TRUE(waitUntil([&] { return w->PictureContainer->MousePointer() == 8; }));
        input.drag(canvas(), corner, corner + QPoint(40, 20));
        EXPECT_TRUE(waitUntil([&] { return w->canvasValues().Width == before.Width + 600; }));
        EXPECT_EQ(w->canvasValues().Height, before.Height + 300);
        EXPECT_EQ(w->PictureContainer->MousePointer(), 0);
        EXPECT_TRUE(w->DesignModified);
    });
}

ZELK_ON_BOTH_DESIGNERS(DesignerGestures);

}  // namespace
}  // namespace zelk::realwindow
