// The keyboard of both designers with real keys on an X server: Del reaches the canvas after a
// click on a control, and the position boxes can be typed in like any line edit.

#include "designer_fixture.h"

namespace zelk::realwindow {
namespace {

class DesignerKeys : public RealDesigner {};

TEST_P(DesignerKeys, ClickingACustomLabelAndPressingDelOnceDeletesIt) {
    runModal([&] {
        const QString name = QStringLiteral("自定义标签1");
        DesignBox* label = box(name);
        ASSERT_TRUE(label);
        const auto treeHas = [&] {
            for (int i = 1; i <= w->TreeView1->Count(); ++i)
                if (TrimFixedField(w->TreeView1->Item(i)->Text()) == name) return true;
            return false;
        };
        ASSERT_TRUE(treeHas());
        // The user has typed in a position box before: the keyboard is there.
        input.click(w->Text1, w->Text1->rect().center());
        select(label);
        input.keys({QStringLiteral("Delete")});
        EXPECT_TRUE(waitUntil([&] { return !label->Visible(); }));
        EXPECT_FALSE(treeHas());
        EXPECT_TRUE(w->ItemTable[label->Tag().toUInt()].Deleted);
        EXPECT_FALSE(handles(true));
    });
}

TEST_P(DesignerKeys, TypingInTheLeftBoxMovesTheControlOnceAndAnEmptyBoxLeavesIt) {
    runModal([&] {
        DesignBox* b = box(QStringLiteral("文号"));
        const double top = b->Top();
        const double width = b->Width();
        select(b);
        input.click(w->Text1, w->Text1->rect().center());
        input.keys({QStringLiteral("ctrl+a")});
        input.type(QStringLiteral("1500"));
        EXPECT_EQ(w->Text1->text(), QStringLiteral("1500"));
        EXPECT_EQ(b->Left(), 1500);
        EXPECT_EQ(b->Top(), top);
        EXPECT_EQ(b->Width(), width);

        input.keys({QStringLiteral("ctrl+a"), QStringLiteral("BackSpace")});
        EXPECT_EQ(w->Text1->text(), QString());
        EXPECT_EQ(b->Left(), 1500);
        EXPECT_EQ(w->statusText(), QStringLiteral("当前未选中控件或属性值无效"));
        // The last digit of a value can go too.
        input.type(QStringLiteral("7"));
        EXPECT_EQ(b->Left(), 7);
        input.keys({QStringLiteral("BackSpace")});
        EXPECT_EQ(w->Text1->text(), QString());
        EXPECT_EQ(b->Left(), 7);
    });
}

// With the cursor in "纵坐标", a label added from the toolbar is what the next digit moves, from
// its own top; the control current before stays where it was.
TEST_P(DesignerKeys, ANewLabelIsWhatTheTopBoxMovesNext) {
    runModal([&] {
        DesignBox* b = box(QStringLiteral("文号"));
        ASSERT_TRUE(b);
        const auto before = rect(b);
        select(b);
        input.click(w->Text2, w->Text2->rect().center());
        ASSERT_TRUE(waitUntil([&] { return w->Text2->hasFocus(); }));
        EXPECT_EQ(w->Text2->text(), QString::number(before[1]));
        QWidget* add = w->Toolbar2->widgetForAction(w->Toolbar2->Button("label")->action());
        ASSERT_TRUE(add);
        input.click(add, add->rect().center());
        ASSERT_TRUE(waitUntil([&] { return w->CurrentControl() && w->CurrentControl() != b; }));
        auto* label = dynamic_cast<DesignBox*>(w->CurrentControl());
        ASSERT_TRUE(label);
        EXPECT_TRUE(w->Text2->hasFocus());
        const double top = label->Top();
        EXPECT_EQ(w->Text2->text(), QString::number(top));
        input.keys({QStringLiteral("End")});
        input.type(QStringLiteral("5"));
        EXPECT_EQ(w->Text2->text(), QString::number(top) + QLatin1Char('5'));
        EXPECT_EQ(label->Top(), top * 10 + 5);
        EXPECT_EQ(rect(b), before);
    });
}

ZELK_ON_BOTH_DESIGNERS(DesignerKeys);

}  // namespace
}  // namespace zelk::realwindow
