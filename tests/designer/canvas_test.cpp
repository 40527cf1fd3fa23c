// The current control of both designers: making a box or a line current, the keyboard steps,
// typed positions and the scroll-bar layout of the surface.

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QKeyEvent>
#include <map>

#include "designer/canvas/scrolllayout.h"
#include "designerwindow_support.h"
#include "platform/form.h"

namespace zelk {
namespace {

// A designer window without an interface, with a text box, a label and a line on its canvas.
class Canvas : public ::testing::TestWithParam<DesignerKind> {
  protected:
    void SetUp() override {
        w = windowtest::makeDesigner(GetParam());
        w->load();
        box = &w->TextBoxArray.loadNext();
        box->Move(100, 200, 1500, 300);
        box->show();
        label = &w->LabelArray.loadNext();
        label->Move(0, 0, 1000, 10);
        label->show();
        line = &w->LineArray.loadNext();
        line->setX1(300);
        line->setY1(2700);
        line->setX2(2370);
        line->setY2(2700);
        line->show();
    }
    QStringList boxes() const {
        return {w->Text1->text(), w->Text2->text(), w->Text3->text(), w->Text4->text()};
    }
    bool picVisible(int i) { return w->pic()[i].Visible(); }

    std::unique_ptr<DesignerBase> w;
    DesignTextBox* box = nullptr;
    DesignLabel* label = nullptr;
    DesignLine* line = nullptr;
};

TEST_P(Canvas, ABoxShowsItsCornersHandlesAndGeometry) {
    w->VBSelectControl(box);
    EXPECT_EQ(w->CurrentControl(), box);
    EXPECT_EQ(w->statusText(), QStringLiteral("左上角坐标(100,200)右下角坐标(1600,500)"));
    EXPECT_EQ(boxes(), QStringList({"100", "200", "1500", "300"}));
    for (int i = 1; i <= 4; ++i) EXPECT_TRUE(picVisible(i)) << i;
    EXPECT_FALSE(picVisible(5));
    EXPECT_EQ(w->pic()[5].Left(), 805);  // centred on (850, 350)
    EXPECT_EQ(w->pic()[5].Top(), 305);
    EXPECT_EQ(w->pic()[4].Left(), 1555);
    box->setWidth(1501);  // 850.5 goes to the even neighbour
    w->VBSelectControl(box);
    EXPECT_EQ(w->pic()[5].Left(), 805);
    EXPECT_FALSE(w->sizeline->pic10()->Visible());
}

TEST_P(Canvas, ALineShowsItsEndPointHandlesAndAHiddenControlIsIgnored) {
    w->VBSelectControl(box);
    w->VBSelectControl(line);
    EXPECT_EQ(w->statusText(), QStringLiteral("左上角坐标(300,2700) 右下角坐标(2370,2700)"));
    EXPECT_EQ(boxes(), QStringList({"300", "2700", "2370", "2700"}));
    for (int i = 1; i <= 5; ++i) EXPECT_FALSE(picVisible(i)) << i;
    EXPECT_TRUE(w->sizeline->pic10()->Visible());
    EXPECT_EQ(w->sizeline->pic10()->Left(), 255);
    EXPECT_EQ(w->sizeline->pic20()->Left(), 2325);
    EXPECT_EQ(w->sizeline->pic20()->Top(), 2655);
    EXPECT_FALSE(w->sizeline->pic30()->Visible());

    box->hide();
    w->VBSelectControl(box);
    EXPECT_EQ(w->CurrentControl(), line);
    EXPECT_EQ(w->statusText(), QStringLiteral("左上角坐标(300,2700) 右下角坐标(2370,2700)"));
}

TEST_P(Canvas, DraggingALineEndHandleMovesThatEndOfTheCurrentLine) {
    line->setX1(1000);
    line->setY1(600);
    line->setX2(3000);
    line->setY2(600);
    w->VBSelectControl(line);
    EXPECT_EQ(w->sizeline->pic10()->Left(), 955);
    EXPECT_EQ(w->sizeline->pic20()->Left(), 2955);
    w->sizeline->onIndcatesMouseDown("pic10", 1, 0, 45, 45);
    w->sizeline->onIndcatesMouseMove("pic10", 1, 0, 195, 15);
    w->sizeline->onIndcatesMouseUp("pic10", 1, 0, 195, 15);
    EXPECT_EQ(line->X1(), 1150);
    EXPECT_EQ(line->Y1(), 570);
    EXPECT_EQ(line->X2(), 3000);
    // A move without a press on that handle does nothing.
    w->sizeline->onIndcatesMouseMove("pic20", 1, 0, 500, 500);
    EXPECT_EQ(line->X2(), 3000);
}

TEST_P(Canvas, F1AsksForHelpOnceWithAnEmptyId) {
    QStringList asked;
    QObject::connect(w.get(), &Form::NeedHelp, [&](QString& id) { asked << id; });
    QKeyEvent f1(QEvent::KeyPress, Qt::Key_F1, Qt::NoModifier);
    QCoreApplication::sendEvent(w->Text1, &f1);
    EXPECT_EQ(asked, QStringList({QString()}));
}

struct KeyCase {
    const char* what;
    int control;  // 0 box, 1 label, 2 line
    int key;
    int shift;
    std::array<double, 4> after;  // Left, Top, Width, Height or X1, Y1, X2, Y2
};

class CanvasKeys : public Canvas {};

TEST_P(CanvasKeys, CtrlMovesAndShiftSizesTheCurrentControlAndMarksTheDesign) {
    const KeyCase cases[] = {
        {"ctrl+right on a box", 0, vbKeyRight, vbCtrlMask, {115, 200, 1500, 300}},
        {"ctrl+up on a box", 0, vbKeyUp, vbCtrlMask, {100, 185, 1500, 300}},
        {"ctrl+up on a line", 2, vbKeyUp, vbCtrlMask, {300, 2685, 2370, 2685}},
        {"ctrl+left on a line", 2, vbKeyLeft, vbCtrlMask, {285, 2700, 2355, 2700}},
        {"shift+left on a label", 1, vbKeyLeft, vbShiftMask, {0, 0, 985, 10}},
        {"shift+up never below 0", 1, vbKeyUp, vbShiftMask, {0, 0, 1000, 0}},
        {"shift+down on a box", 0, vbKeyDown, vbShiftMask, {100, 200, 1500, 315}},
        {"shift+left on a line", 2, vbKeyLeft, vbShiftMask, {300, 2700, 2355, 2700}},
        {"alt+right changes nothing", 0, vbKeyRight, vbAltMask, {100, 200, 1500, 300}},
        {"plain right changes nothing", 0, vbKeyRight, 0, {100, 200, 1500, 300}},
    };
    for (const KeyCase& c : cases) {
        SetUp();
        DesignControl* controls[] = {box, label, line};
        w->VBSelectControl(controls[c.control]);
        w->DesignModified = false;
        // Through the window's key preview, as the keyboard delivers them.
        static const std::map<int, Qt::Key> qtKeys = {{vbKeyLeft, Qt::Key_Left},
                                                      {vbKeyUp, Qt::Key_Up},
                                                      {vbKeyRight, Qt::Key_Right},
                                                      {vbKeyDown, Qt::Key_Down}};
        Qt::KeyboardModifiers mods;
        if (c.shift & vbShiftMask) mods |= Qt::ShiftModifier;
        if (c.shift & vbCtrlMask) mods |= Qt::ControlModifier;
        if (c.shift & vbAltMask) mods |= Qt::AltModifier;
        QKeyEvent event(QEvent::KeyPress, qtKeys.at(c.key), mods);
        QCoreApplication::sendEvent(w->TreeView1, &event);
        std::array<double, 4> now;
        if (c.control == 2) {
            now = {line->X1(), line->Y1(), line->X2(), line->Y2()};
        } else {
            auto* b = static_cast<DesignBox*>(controls[c.control]);
            now = {b->Left(), b->Top(), b->Width(), b->Height()};
        }
        EXPECT_EQ(now, c.after) << c.what;
        const bool changed = c.shift == vbCtrlMask || c.shift == vbShiftMask;
        EXPECT_EQ(w->DesignModified, changed) << c.what;
        EXPECT_EQ(w->Text1->text(), CurrentControlState::coordinateText(now[0])) << c.what;
        // A held modifier hides the handles; releasing it brings them back.
        if (c.shift != 0 && c.control != 2) {
            EXPECT_FALSE(picVisible(1)) << c.what;
            // A real release carries the modifier it releases.
            const Qt::Key modifierKey = c.shift == vbShiftMask  ? Qt::Key_Shift
                                        : c.shift == vbCtrlMask ? Qt::Key_Control
                                                                : Qt::Key_Alt;
            QKeyEvent release(QEvent::KeyRelease, modifierKey, mods);
            QCoreApplication::sendEvent(w->TreeView1, &release);
            EXPECT_TRUE(picVisible(1)) << c.what;
        }
    }
}

TEST_P(Canvas, TypedPositionsAreRoundedHalfEvenAndBadTextsReported) {
    const QString invalid = QStringLiteral("当前未选中控件或属性值无效");
    w->Text1->setText("1500");
    w->Text1_Change();
    EXPECT_EQ(w->statusText(), invalid);  // nothing current yet

    w->VBSelectControl(box);
    w->DesignModified = false;
    const std::pair<const char*, double> lefts[] = {{"1500.5", 1500}, {"1501.5", 1502}};
    for (const auto& [text, left] : lefts) {
        w->Text1->setText(text);
        w->Text1_Change();
        EXPECT_EQ(box->Left(), left) << text;
    }
    EXPECT_TRUE(w->DesignModified);
    w->Text3->setText("");
    w->Text3_Change();
    EXPECT_EQ(box->Width(), 1500);
    EXPECT_EQ(w->statusText(), invalid);
    w->Text3->setText("-5");
    w->Text3_Change();
    EXPECT_EQ(box->Width(), 1500);
    // The handles stay where they were until the next selection.
    EXPECT_EQ(w->pic()[1].Left(), 55);

    w->VBSelectControl(line);
    w->Text3->setText("2000");
    w->Text3_Change();
    EXPECT_EQ(line->X2(), 2000);
    EXPECT_EQ(line->X1(), 300);
}

TEST_P(Canvas, ScrollRangesFollowTheSurfaceAndReachTheEdgeOfALargeCanvas) {
    w->Pictureform->resize(600, 400);
    w->ArrangeScrollBars();
    const double bw = innerWidthTwips(w->PictureBack);
    ASSERT_EQ(bw, 600 * 15 - 240);
    struct Case {
        double width;
        bool visible;
        int max, large, small;
    };
    const Case cases[] = {{bw - 480, false, 0, 0, 0},
                          {bw - 479, true, 1, 1, 1},
                          {bw + 240, true, 720, 144, 36},
                          {40000, true, static_cast<int>(40000 - bw + 480), 0, 0}};
    for (const Case& c : cases) {
        w->PictureContainer->setWidth(c.width);
        w->LayoutScrollBars();
        EXPECT_EQ(w->PictureContainer->Left(), 240);
        EXPECT_EQ(!w->HScrollBar->isHidden(), c.visible) << c.width;
        if (!c.visible) continue;
        EXPECT_EQ(w->HScrollBar->maximum(), c.max) << c.width;
        if (c.large) {
            EXPECT_EQ(w->HScrollBar->pageStep(), c.large) << c.width;
            EXPECT_EQ(w->HScrollBar->singleStep(), c.small) << c.width;
        }
    }
    // At the end of its range the far edge of a 40000-twip canvas shows inside the viewport.
    w->HScrollBar->setValue(w->HScrollBar->maximum());
    EXPECT_EQ(w->PictureContainer->Left() + w->PictureContainer->Width(), bw - 240);
    w->PictureContainer->setHeight(40000);
    w->LayoutScrollBars();
    w->VScrollBar->setValue(w->VScrollBar->maximum());
    EXPECT_EQ(w->PictureContainer->Top() + 40000, innerHeightTwips(w->PictureBack) - 240);
    // The background layer follows the surface.
    w->PictureContainer_Resize();
    EXPECT_EQ(w->PictureTest->Width(), 40000);
}

ZELK_ON_BOTH_DESIGNERS(Canvas);
ZELK_ON_BOTH_DESIGNERS(CanvasKeys);

}  // namespace
}  // namespace zelk
