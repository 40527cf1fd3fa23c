// The canvas's mouse gestures in both designers, driven through the handlers with (button, shift,
// x, y) in twips: picks, Shift-selection, handle drags, the canvas edge, group and line moves, the
// group nudge and the context menus.

#include <QCoreApplication>
#include <QKeyEvent>

#include "canvasmouse_support.h"
#include "platform/promptscript.h"

namespace zelk {
namespace {

using mousetest::rectOf;
using Rect = std::array<double, 4>;

class CanvasMouse : public mousetest::CanvasFixture {};

struct PickCase {
    const char* what;
    float x, y;
    int expected;  // 0 none, 1 the text box, then the horizontal, rising, vertical, falling line
};

TEST_P(CanvasMouse, APressPicksWhatIsUnderThePointer) {
    auto& box = text(990, 990, 1500, 300);  // right edge 2490, bottom 1290: on the pixel grid
    auto& flat = line(3000, 3000, 6000, 3000);
    auto& diagonal = line(1000, 5000, 3000, 3000);  // rising at 45 degrees to the right
    auto& vertical = line(8000, 500, 8000, 2500);
    auto& falling = line(4000, 3500, 6000, 5500);
    DesignControl* controls[] = {nullptr, &box, &flat, &diagonal, &vertical, &falling};
    const PickCase cases[] = {
        {"inside the box", 1200, 1100, 1},
        {"on its right edge", 2490, 1100, 0},
        {"on its bottom edge", 1200, 1290, 0},
        {"45 twips above the line", 4500, 2955, 2},
        {"75 twips above the line", 4500, 2925, 0},
        {"on the 45-degree line", 2000, 4000, 3},
        {"57 twips across the 45-degree line", 2040, 4040, 3},
        {"85 twips across it", 2060, 4060, 0},
        {"45 twips beside a vertical line", 8045, 1500, 4},
        {"57 twips across a falling line", 5040, 4460, 5},
        {"empty canvas", 7000, 500, 0},
    };
    for (const PickCase& c : cases) {
        w->VBSelectControl(&box);
        down(1, 0, c.x, c.y);
        up(1, 0, c.x, c.y);
        EXPECT_EQ(w->CurrentControl(), controls[c.expected]) << c.what;
        EXPECT_TRUE(ScreenFramesShown().isEmpty()) << c.what;
    }
}

TEST_P(CanvasMouse, OverlapPicksTheFrontMostHiddenNeverAndPostilsInTheEntryDesigner) {
    auto& back = text(1000, 1000, 2000, 1000);
    auto& front = label(1500, 1200, 2000, 500);
    front.raise();
    drag(1, 0, 1600, 1300, 0, 0);
    EXPECT_EQ(w->CurrentControl(), &front);
    front.hide();
    drag(1, 0, 1600, 1300, 0, 0);
    EXPECT_EQ(w->CurrentControl(), &back);
    back.setTag(QStringLiteral("x"));  // carries no item
    drag(1, 0, 1600, 1300, 0, 0);
    EXPECT_EQ(w->CurrentControl(), nullptr);
    if (auto* entryDesigner = dynamic_cast<frm_zelk_jmsj*>(w.get())) {
        auto& postil = item(entryDesigner->PostilArray.loadNext(), 13);
        postil.Move(500, 500, 600, 600);
        drag(1, 0, 700, 700, 0, 0);
        EXPECT_EQ(w->CurrentControl(), &postil);
    }
}

TEST_P(CanvasMouse, ShiftClicksToggleTheSelectionAndAToggledOffFrameGoes) {
    auto& a = text(1001, 990, 990, 300);  // off the pixel grid: a snap would show
    auto& b = text(990, 1995, 990, 300);
    w->DesignModified = false;
    w->selection().TabOrderMode = true;
    // A Shift-click only selects: nothing becomes current, moves, snaps or takes a number.
    drag(1, 1, 1100, 1100, 30, 30);
    EXPECT_EQ(w->CurrentControl(), nullptr);
    EXPECT_EQ(rectOf(&a), (Rect{1001, 990, 990, 300}));
    EXPECT_EQ(w->ItemTable[1].EntryOrder, 0);
    w->selection().TabOrderMode = false;
    drag(1, 1, 1100, 2100, 0, 0);
    ASSERT_EQ(w->SelectedControls().size(), 2u);
    EXPECT_EQ(w->selection().SelectionFrames().size(), 2u);
    EXPECT_EQ(w->CurrentControl(), nullptr);

    // A click on a selected control drags the group; it never deselects.
    drag(1, 1, 1100, 2100, 0, 0);
    EXPECT_EQ(w->SelectedControls().size(), 2u);

    w->RemoveFromSelection(&b);
    w->AddToSelection(&b);
    w->AddToSelection(&b);  // toggled off again
    ASSERT_EQ(w->SelectedControls().size(), 1u);
    EXPECT_EQ(w->selection().SelectionFrames().size(), 1u);
    EXPECT_EQ(w->PictureContainer->findChild<QWidget*>(QStringLiteral("ExSizeTextBoxArray201")),
              nullptr);
    EXPECT_NE(w->PictureContainer->findChild<QWidget*>(QStringLiteral("ExSizeTextBoxArray101")),
              nullptr);
    EXPECT_FALSE(w->DesignModified);

    // A plain click elsewhere clears the selection and its frames.
    drag(1, 0, 1100, 2100, 0, 0);
    EXPECT_TRUE(w->SelectedControls().empty());
    EXPECT_TRUE(w->selection().SelectionFrames().empty());
    EXPECT_EQ(w->CurrentControl(), &b);

    // A line is selected without a frame; a Shift-click on it acts as a plain click.
    auto& l = line(3000, 3000, 5000, 3000);
    w->AddToSelection(&a);
    w->AddToSelection(&l);
    EXPECT_EQ(w->selection().SelectionFrames().size(), 1u);
    w->ClearSelection();
    drag(1, 1, 4000, 3000, 0, 0);
    EXPECT_EQ(w->CurrentControl(), &l);
    EXPECT_TRUE(w->SelectedControls().empty());
}

struct HandleCase {
    const char* what;
    int handle;
    float dx, dy;
    Rect before, after;
    bool normalised = false;  // the band crossed itself: the boxes show it as it stands
};

TEST_P(CanvasMouse, DraggingASizeHandleResizesOnTheGridAndNormalises) {
    const HandleCase cases[] = {
        {"pic(1) by (+30, +30)", 1, 30, 30, {1500, 900, 1200, 300}, {1530, 930, 1170, 270}},
        {"pic(4) past pic(1)", 4, -1500, -600, {1500, 900, 1200, 300}, {1200, 600, 300, 300}, true},
        {"pic(2) right and up", 2, 150, -90, {1500, 900, 1200, 300}, {1500, 810, 1350, 390}},
        {"press and release snap", 3, 0, 0, {1507, 902, 1200, 300}, {1500, 900, 1200, 300}},
        {"a 7-twip move is none", 5, 7, 7, {1500, 900, 1200, 300}, {1500, 900, 1200, 300}},
    };
    for (const HandleCase& c : cases) {
        SetUp();
        auto& box = text(c.before[0], c.before[1], c.before[2], c.before[3]);
        w->VBSelectControl(&box);
        w->DesignModified = false;
        w->pic_MouseDown(c.handle, 1, 0, 45, 45);
        EXPECT_FALSE(w->pic()[1].Visible()) << c.what;
        EXPECT_EQ(ScreenFramesShown().size(), 1) << c.what;
        w->pic_MouseMove(c.handle, 1, 0, 45 + c.dx, 45 + c.dy);
        // The boxes follow the band while it is dragged.
        if (!c.normalised) {
            EXPECT_EQ(w->Text1->text(), QString::number(c.after[0])) << c.what;
            EXPECT_EQ(w->Text4->text(), QString::number(c.after[3])) << c.what;
        } else {
            EXPECT_EQ(w->Text3->text(), QStringLiteral("-300")) << c.what;
        }
        w->pic_MouseUp(c.handle, 1, 0, 45 + c.dx, 45 + c.dy);
        EXPECT_EQ(rectOf(&box), c.after) << c.what;
        EXPECT_EQ(w->DesignModified, c.after != c.before) << c.what;
        EXPECT_TRUE(w->pic()[1].Visible()) << c.what;
        EXPECT_TRUE(ScreenFramesShown().isEmpty()) << c.what;
    }
}

TEST_P(CanvasMouse, TheEdgePointersShowWithin120TwipsAndTheLeftButtonResizesTheCanvas) {
    const struct {
        float x, y;
        int pointer;
    } cases[] = {{8950, 100, 9}, {100, 5950, 7}, {8950, 5950, 8}, {8880, 5880, 0}, {100, 100, 0}};
    for (const auto& c : cases) {
        move(0, 0, c.x, c.y);
        EXPECT_EQ(w->PictureContainer->MousePointer(), c.pointer) << c.x << "," << c.y;
    }
    w->DesignModified = false;
    move(0, 0, 8950, 5950);
    drag(1, 0, 8950, 5950, 600, 300);
    EXPECT_EQ(w->PictureContainer->Width(), 9600);
    EXPECT_EQ(w->PictureContainer->Height(), 6300);
    EXPECT_EQ(w->canvasValues().Width, 9600);
    EXPECT_EQ(w->canvasValues().Height, 6300);
    EXPECT_EQ(w->PictureContainer->Left(), 240);
    EXPECT_TRUE(w->DesignModified);
    EXPECT_EQ(w->PictureContainer->MousePointer(), 0);

    // A width below zero is not applied; the height still follows.
    move(0, 0, 9550, 6250);
    drag(1, 0, 9550, 6250, -20000, 100);
    EXPECT_EQ(w->PictureContainer->Width(), 9600);
    EXPECT_EQ(w->PictureContainer->Height(), 6400);

    // A right press on the edge is an ordinary click.
    move(0, 0, 9550, 6350);
    drag(2, 0, 9550, 6350, 600, 300);
    EXPECT_EQ(w->PictureContainer->Width(), 9600);
}

void sendKey(DesignerBase& w, Qt::Key key, Qt::KeyboardModifiers mods) {
    QKeyEvent event(QEvent::KeyPress, key, mods);
    QCoreApplication::sendEvent(w.TreeView1, &event);
}

TEST_P(CanvasMouse, AGroupMoveAndTheNudgeMoveTheBoxesAndLeaveLines) {
    auto& a = text(1000, 1000, 1000, 300);
    auto& b = label(1000, 2000, 1000, 300);
    auto& l = line(3000, 3000, 5000, 3000);
    for (DesignControl* c : std::initializer_list<DesignControl*>{&a, &b, &l}) w->AddToSelection(c);
    w->VBSelectControl(&a);
    w->DesignModified = false;
    down(1, 0, 1100, 2100);
    move(1, 0, 1400, 2250);
    EXPECT_EQ(ScreenFramesShown().size(), 2);
    up(1, 0, 1403, 2250);
    EXPECT_EQ(rectOf(&a), (Rect{1303, 1150, 1000, 300}));
    EXPECT_EQ(rectOf(&b), (Rect{1303, 2150, 1000, 300}));
    EXPECT_EQ(rectOf(&l), (Rect{3000, 3000, 5000, 3000}));
    EXPECT_TRUE(w->DesignModified);
    EXPECT_TRUE(ScreenFramesShown().isEmpty());
    EXPECT_EQ(w->selection().SelectionFrames()[0]->CaughtRect()[0], 1303);

    // Until the next press a move does nothing: no pointer, no band.
    move(0, 0, 8950, 100);
    EXPECT_EQ(w->PictureContainer->MousePointer(), 0);
    EXPECT_TRUE(ScreenFramesShown().isEmpty());
    EXPECT_TRUE(w->gesture().GroupDragging);

    w->DesignModified = false;
    sendKey(*w, Qt::Key_Down, Qt::ShiftModifier);
    EXPECT_EQ(rectOf(&a), (Rect{1303, 1165, 1000, 300}));
    EXPECT_EQ(rectOf(&b), (Rect{1303, 2165, 1000, 300}));
    EXPECT_EQ(rectOf(&l), (Rect{3000, 3000, 5000, 3000}));
    EXPECT_EQ(w->selection().SelectionFrames().size(), 2u);
    EXPECT_TRUE(w->DesignModified);
    sendKey(*w, Qt::Key_Down, Qt::ControlModifier);
    EXPECT_EQ(rectOf(&a), (Rect{1303, 1180, 1000, 300}));
    EXPECT_EQ(rectOf(&b), (Rect{1303, 2165, 1000, 300}));
}

TEST_P(CanvasMouse, ALineFollowsTheMouseRigidlyAndABoxMovesOnTheGrid) {
    auto& l = line(3000, 3000, 5000, 3000);
    auto& box = text(990, 990, 990, 300);
    w->DesignModified = false;
    drag(1, 0, 4000, 3020, 300, -150);
    EXPECT_EQ(rectOf(&l), (Rect{3300, 2850, 5300, 2850}));
    EXPECT_TRUE(w->DesignModified);
    EXPECT_FALSE(w->gesture().LineDragging);
    EXPECT_TRUE(w->sizeline->pic10()->Visible());
    w->DesignModified = false;
    drag(1, 0, 1100, 1100, 300, 160);  // 160 twips are 10.67 pixels: 11
    EXPECT_EQ(rectOf(&box), (Rect{1290, 1155, 990, 300}));
    EXPECT_TRUE(w->DesignModified);
    EXPECT_EQ(w->Text1->text(), QStringLiteral("1290"));
    EXPECT_TRUE(ScreenFramesShown().isEmpty());
}

TEST_P(CanvasMouse, ARightReleasePopsTheItemsMenuAfterThePendingMove) {
    auto& custom = label(990, 990, 990, 300, QStringLiteral("自定义标签1"));
    auto& box = text(1000, 2000, 1000, 300);
    double leftWhenChosen = -1;
    QObject::connect(w->mnu_ucToFront, &QAction::triggered, [&] {
        leftWhenChosen = static_cast<DesignBox*>(w->CurrentControl())->Left();
    });
    PromptScript script;
    script.chooseMenuEntry(QStringLiteral("置前")).dismissMenu();
    w->DesignModified = false;
    drag(2, 0, 1100, 1100, 300, 0);
    EXPECT_EQ(leftWhenChosen, 1290);
    EXPECT_EQ(w->curIndex, custom.Index());
    drag(2, 0, 1100, 2100, 0, 0);
    ASSERT_EQ(script.prompts().size(), 2u);
    EXPECT_EQ(script.prompts()[0].text, QStringLiteral("mnu_usercontrol"));
    EXPECT_EQ(script.prompts()[1].text, QStringLiteral("pop_menu"));
    EXPECT_EQ(w->curIndex, box.Index());
    EXPECT_TRUE(w->DesignModified);
    EXPECT_TRUE(w->pic()[1].Visible());
}

ZELK_ON_BOTH_DESIGNERS(CanvasMouse);

}  // namespace
}  // namespace zelk
