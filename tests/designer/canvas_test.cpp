// The current control of both designers: making a box or a line current, the keyboard steps,
// typed positions and the scroll-bar layout of the surface.

#include <gtest/gtest.h>

#include <QApplication>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QTest>

#include "canvasmouse_support.h"
#include "designer/canvas/scrolllayout.h"
#include "designer/frm_zelk_xgti.h"
#include "platform/form.h"
#include "platform/promptscript.h"

namespace zelk {
namespace {

// A designer window without an interface, with a text box, a label and a line on its canvas.
class Canvas : public mousetest::CanvasFixture {
  protected:
    void SetUp() override {
        CanvasFixture::SetUp();
        box = &text(100, 200, 1500, 300);
        lab = &label(0, 0, 1000, 10);
        ln = &line(300, 2700, 2370, 2700);
    }
    QStringList boxes() const {
        return {w->Text1->text(), w->Text2->text(), w->Text3->text(), w->Text4->text()};
    }
    bool picVisible(int i) { return w->pic()[i].Visible(); }

    DesignTextBox* box = nullptr;
    DesignLabel* lab = nullptr;
    DesignLine* ln = nullptr;
};

TEST_P(Canvas, ABoxOrALineShowsItsCornersHandlesAndGeometryAHiddenControlIsIgnored) {
    w->VBSelectControl(box);
    EXPECT_EQ(w->CurrentControl(), box);
    EXPECT_EQ(w->statusText(), QStringLiteral("左上角坐标(100,200)右下角坐标(1600,500)"));
    EXPECT_EQ(boxes(), QStringList({"100", "200", "1500", "300"}));
    for (int i = 1; i <= 4; ++i) EXPECT_TRUE(picVisible(i)) << i;
    EXPECT_FALSE(picVisible(5));
    EXPECT_EQ(w->pic()[5].Left(), 805);  // centred on (850, 350)
    EXPECT_EQ(w->pic()[5].Top(), 305);
    box->setWidth(1501);  // 850.5 goes to the even neighbour
    w->VBSelectControl(box);
    EXPECT_EQ(w->pic()[5].Left(), 805);
    EXPECT_FALSE(w->sizeline->pic10()->Visible());

    w->VBSelectControl(ln);
    EXPECT_EQ(w->statusText(), QStringLiteral("左上角坐标(300,2700) 右下角坐标(2370,2700)"));
    EXPECT_EQ(boxes(), QStringList({"300", "2700", "2370", "2700"}));
    for (int i = 1; i <= 5; ++i) EXPECT_FALSE(picVisible(i)) << i;
    EXPECT_TRUE(w->sizeline->pic10()->Visible());
    EXPECT_EQ(w->sizeline->pic20()->Left(), 2325);
    EXPECT_EQ(w->sizeline->pic20()->Top(), 2655);

    box->hide();
    w->VBSelectControl(box);
    EXPECT_EQ(w->CurrentControl(), ln);
}

TEST_P(Canvas, F1AsksForHelpOnceWithAnEmptyId) {
    QStringList asked;
    QObject::connect(w.get(), &Form::NeedHelp, [&](QString& id) { asked << id; });
    QKeyEvent f1(QEvent::KeyPress, Qt::Key_F1, Qt::NoModifier);
    QCoreApplication::sendEvent(w->Text1, &f1);
    EXPECT_EQ(asked, QStringList({QString()}));
}

TEST_P(Canvas, CtrlMovesAndShiftSizesTheCurrentControlAndMarksTheDesign) {
    const Qt::KeyboardModifier ctrl = Qt::ControlModifier, shift = Qt::ShiftModifier;
    struct KeyCase {
        const char* what;
        int control;  // 0 box, 1 label, 2 line
        Qt::Key key;
        Qt::KeyboardModifier mods;
        std::array<double, 4> after;  // Left, Top, Width, Height or X1, Y1, X2, Y2
    };
    const KeyCase cases[] = {
        {"ctrl+right on a box", 0, Qt::Key_Right, ctrl, {115, 200, 1500, 300}},
        {"ctrl+up on a box", 0, Qt::Key_Up, ctrl, {100, 185, 1500, 300}},
        {"ctrl+up on a line", 2, Qt::Key_Up, ctrl, {300, 2685, 2370, 2685}},
        {"ctrl+left on a line", 2, Qt::Key_Left, ctrl, {285, 2700, 2355, 2700}},
        {"shift+left on a label", 1, Qt::Key_Left, shift, {0, 0, 985, 10}},
        {"shift+up never below 0", 1, Qt::Key_Up, shift, {0, 0, 1000, 0}},
        {"shift+down on a box", 0, Qt::Key_Down, shift, {100, 200, 1500, 315}},
        {"shift+left on a line", 2, Qt::Key_Left, shift, {300, 2700, 2355, 2700}},
        {"alt+right changes nothing", 0, Qt::Key_Right, Qt::AltModifier, {100, 200, 1500, 300}},
        {"plain right changes nothing", 0, Qt::Key_Right, Qt::NoModifier, {100, 200, 1500, 300}},
    };
    for (const KeyCase& c : cases) {
        SetUp();
        DesignControl* controls[] = {box, lab, ln};
        w->VBSelectControl(controls[c.control]);
        w->DesignModified = false;
        // Through the window's key preview, as the keyboard delivers them.
        QKeyEvent event(QEvent::KeyPress, c.key, c.mods);
        QCoreApplication::sendEvent(w->TreeView1, &event);
        const std::array<double, 4> now = mousetest::rectOf(controls[c.control]);
        EXPECT_EQ(now, c.after) << c.what;
        EXPECT_EQ(w->DesignModified, c.mods == ctrl || c.mods == shift) << c.what;
        EXPECT_EQ(w->Text1->text(), CurrentControlState::coordinateText(now[0])) << c.what;
        // A held modifier hides the handles; releasing it brings them back.
        if (c.mods != Qt::NoModifier && c.control != 2) {
            EXPECT_FALSE(picVisible(1)) << c.what;
            const Qt::Key released = c.mods == shift  ? Qt::Key_Shift
                                     : c.mods == ctrl ? Qt::Key_Control
                                                      : Qt::Key_Alt;
            QKeyEvent release(QEvent::KeyRelease, released, c.mods);
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
    // Texts that are no number, and values beyond what a window can show (32767 pixels), are
    // refused; the largest one is taken.
    for (const char* text : {"-", "491520", "-491520", "36001500"}) {
        w->Text1->setText(text);
        w->Text1_Change();
        EXPECT_EQ(box->Left(), 1502) << text;
        EXPECT_EQ(w->statusText(), invalid) << text;
    }
    for (const char* text : {"-5", "491520"}) {
        w->Text3->setText(text);
        w->Text3_Change();
        EXPECT_EQ(box->Width(), 1500) << text;
    }
    w->Text1->setText("491505");
    w->Text1_Change();
    EXPECT_EQ(box->Left(), 491505);
    // The handles stay where they were until the next selection.
    EXPECT_EQ(w->pic()[1].Left(), 55);

    w->VBSelectControl(ln);
    w->Text3->setText("2000");
    w->Text3_Change();
    EXPECT_EQ(ln->X2(), 2000);
    EXPECT_EQ(ln->X1(), 300);
}

// Real clicks and keys: the canvas takes the keys when it or a control on it is clicked, a box
// when it is clicked, and a box being typed in is never rewritten under the cursor.
TEST_P(Canvas, KeysGoWhereTheUserClickedAndTypingInABoxWorksAsInAnyLineEdit) {
    ASSERT_TRUE(QTest::qWaitForWindowActive(w.get()));
    const auto type = [](QKeySequence::StandardKey key) {
        QTest::keySequence(QApplication::focusWidget(), key);
    };
    EXPECT_TRUE(w->PictureContainer->hasFocus());  // on opening, not a position box
    QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(3, 3));
    EXPECT_TRUE(w->PictureContainer->hasFocus());
    EXPECT_EQ(box->Left(), 100);  // a click does not move it, not even to the pixel grid

    QTest::mouseClick(w->Text1, Qt::LeftButton);
    ASSERT_TRUE(w->Text1->hasFocus());
    type(QKeySequence::SelectAll);
    QTest::keyClicks(w->Text1, "1500");
    EXPECT_EQ(box->Left(), 1500);
    EXPECT_EQ(w->Text1->text(), QStringLiteral("1500"));
    type(QKeySequence::SelectAll);
    QTest::keyClick(w->Text1, Qt::Key_Backspace);
    EXPECT_EQ(w->Text1->text(), QString());
    EXPECT_EQ(box->Left(), 1500);
    EXPECT_EQ(w->statusText(), QStringLiteral("当前未选中控件或属性值无效"));
    QTest::keyClick(w->Text1, Qt::Key_Minus);
    EXPECT_EQ(w->Text1->text(), QStringLiteral("-"));

    // Back on the canvas the box shows the control again, and Del deletes it on the first press.
    QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(3, 3));
    EXPECT_EQ(w->Text1->text(), QStringLiteral("1500"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Delete);
    EXPECT_FALSE(box->Visible());
}

// A position box the user has the cursor in shows the current control once another one is
// current (a new custom label, a click on another control) and after a save, so that the next key
// acts on the current control from its own value.
class PositionBoxes : public windowtest::DesignerWindowTest {};

TEST_P(PositionBoxes, ABoxWithTheCursorShowsTheCurrentControl) {
    auto w = open();
    w->resize(1000, 700);
    w->show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(w.get()));
    std::vector<DesignBox*> shown;
    for (std::int32_t i = 1; i <= w->ItemCount; ++i) {
        DesignControl* c = w->itemControl(w->ItemTable[static_cast<std::size_t>(i)]);
        if (c && c->Visible() && !asLine(c)) shown.push_back(static_cast<DesignBox*>(c));
    }
    ASSERT_GE(shown.size(), 2u);
    DesignBox* first = shown.front();
    DesignBox* other = shown.back();
    ASSERT_NE(first->Top(), other->Top());
    const auto topText = [](const DesignBox* b) { return QString::number(b->Top()); };
    const auto typeIntoTop = [&] {
        QTest::mouseClick(w->Text2, Qt::LeftButton);
        ASSERT_TRUE(w->Text2->hasFocus());
    };

    QTest::mouseClick(first, Qt::LeftButton, {}, QPoint(3, 3));
    typeIntoTop();
    EXPECT_EQ(w->Text2->text(), topText(first));
    const double firstTop = first->Top();
    w->Toolbar2->Click("label");
    auto* label = dynamic_cast<DesignBox*>(w->CurrentControl());
    ASSERT_TRUE(label && label != first);
    ASSERT_TRUE(w->Text2->hasFocus());
    EXPECT_EQ(w->Text2->text(), topText(label));
    // The next digit moves the label from its own top; the control before it stays.
    const double labelTop = label->Top();
    QTest::keyClick(w->Text2, Qt::Key_End);
    QTest::keyClick(w->Text2, Qt::Key_0);
    EXPECT_EQ(label->Top(), labelTop * 10);
    EXPECT_EQ(first->Top(), firstTop);

    // Another control made current while the cursor stays in the box, as a host's selection
    // does it: the box shows that control.
    w->VBSelectControl(first);
    ASSERT_TRUE(w->Text2->hasFocus());
    EXPECT_EQ(w->Text2->text(), topText(first));

    QTest::mouseClick(other, Qt::LeftButton, {}, QPoint(3, 3));
    EXPECT_EQ(w->Text2->text(), topText(other));

    // A half-typed value left in the box is dropped by a save.
    typeIntoTop();
    QTest::keySequence(w->Text2, QKeySequence::SelectAll);
    QTest::keyClick(w->Text2, Qt::Key_Minus);
    EXPECT_EQ(w->Text2->text(), QStringLiteral("-"));
    PromptScript script;
    if (GetParam() == DesignerKind::ItemEntry)
        script.onModal<frm_zelk_xgti>([](frm_zelk_xgti& d) { d.CancelButton_Click(); });
    w->Toolbar1->Click("save");
    EXPECT_FALSE(w->DesignModified);
    EXPECT_TRUE(w->Text2->hasFocus());
    EXPECT_EQ(w->Text2->text(), topText(other));
}

ZELK_ON_BOTH_DESIGNERS(PositionBoxes);

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

}  // namespace
}  // namespace zelk
