// Custom lines and labels in both designers: names, placement, copies, a full item table and the
// element loaders nothing reaches.

#include <gtest/gtest.h>

#include "canvas_support.h"
#include "component/fixedfield.h"
#include "designer/canvas/customitems.h"
#include "designer/frm_zelk_jmsj.h"
#include "designer/frm_zelk_jssj.h"
#include "platform/controls/designline.h"
#include "platform/promptscript.h"

namespace zelk {
namespace {

template <class D>
using CustomItems = canvastest::BareDesigner<D>;
TYPED_TEST_SUITE(CustomItems, canvastest::Designers, canvastest::DesignerNames);

TYPED_TEST(CustomItems, NamesCountEveryElementOfTheArrayDeletedOnesIncluded) {
    auto& d = this->d;
    d.Toolbar2_ButtonClick("line");
    EXPECT_EQ(this->last().ItemName, "自定义线条(1)");
    EXPECT_EQ(this->last().ControlKind, kKindLine);
    EXPECT_EQ(d.CurrentControl(), &this->line(1));
    EXPECT_TRUE(d.DesignModified);
    d.mnu_unDelete_Click();
    d.Toolbar2_ButtonClick("line");
    EXPECT_EQ(this->last().ItemName, "自定义线条(2)");

    for (const char* name : {"甲", "乙", "丙"}) this->loadCaptionedTextBox(name);
    d.Toolbar2_ButtonClick("label");
    EXPECT_EQ(this->last().ItemName, "自定义标签(4)");
    d.Toolbar2_ButtonClick("rectangle");
    EXPECT_EQ(this->last().ItemName, "自定义标签(5)");
    EXPECT_EQ(this->last().DefaultValue, "自定义标签");
    EXPECT_EQ(this->last().CaptionIndex, 0);
    EXPECT_EQ(d.LabelArray[5].Caption(), "自定义标签");
    EXPECT_EQ(d.LabelArray[5].BorderStyle(), 1);
    EXPECT_EQ(d.LabelArray[5].BackStyle(), 0);
}

TYPED_TEST(CustomItems, OtherKeysAddNothing) {
    auto& d = this->d;
    for (const char* key : {"Line", "LABEL", "shape", ""}) d.Toolbar2_ButtonClick(key);
    EXPECT_EQ(d.ItemCount, 0);
    EXPECT_EQ(d.LineArray.count(), 1);
    EXPECT_FALSE(d.DesignModified);
}

TYPED_TEST(CustomItems, PlacementFollowsTheScrollValuesIn32Bits) {
    struct Case {
        int h, v;
    };
    auto& d = this->d;
    d.HScrollBar->setRange(0, 100000);
    d.VScrollBar->setRange(0, 100000);
    for (const Case c : {Case{0, 0}, Case{600, 900}, Case{40000, 70000}}) {
        d.HScrollBar->setValue(c.h);
        d.VScrollBar->setValue(c.v);
        d.Toolbar2_ButtonClick("line");
        const DesignLine& l = this->line(d.LineArray.ubound());
        EXPECT_EQ(l.X1(), c.h + 300);
        EXPECT_EQ(l.Y1(), c.v + 300);
        EXPECT_EQ(l.X2(), c.h + 3300);
        EXPECT_EQ(l.Y2(), c.v + 300);
        EXPECT_EQ(l.BorderWidth(), 1);
        EXPECT_EQ(l.BorderColor(), 0);
        d.Toolbar2_ButtonClick("label");
        const DesignLabel& b = d.LabelArray[d.LabelArray.ubound()];
        EXPECT_EQ(b.Left(), c.h + 300);
        EXPECT_EQ(b.Top(), c.v + 300);
        EXPECT_EQ(b.Width(), 3000);
        EXPECT_EQ(b.Height(), 350);
    }
}

TYPED_TEST(CustomItems, ALineCopyMovesBy300AndKeepsTheSourceCurrentWithItsHandles) {
    auto& d = this->d;
    d.Toolbar2_ButtonClick("line");
    DesignLine& source = this->line(1);
    source.setX1(1000);
    source.setY1(500);
    source.setX2(2000);
    source.setY2(1500);
    source.setBorderColor(255);
    source.setBorderWidth(3);
    d.VBSelectControl(&source);
    d.DesignModified = false;
    d.mnu_ucCopy_Click();
    ASSERT_EQ(d.LineArray.ubound(), 2);
    const DesignLine& copy = this->line(2);
    EXPECT_EQ(copy.X1(), 1300);
    EXPECT_EQ(copy.Y1(), 800);
    EXPECT_EQ(copy.X2(), 2300);
    EXPECT_EQ(copy.Y2(), 1800);
    EXPECT_EQ(copy.BorderColor(), 255);
    EXPECT_EQ(copy.BorderWidth(), 1);
    EXPECT_TRUE(copy.Visible());
    EXPECT_EQ(this->last().ItemName, "自定义线条(2)");
    EXPECT_EQ(d.CurrentControl(), &source);
    // The start handle sits on the source's start, not on the copy's.
    const DesignPictureBox* start = d.sizeline->pic10();
    EXPECT_EQ(start->Left() + start->Width() / 2, 1000);
    EXPECT_EQ(start->Top() + start->Height() / 2, 500);
    EXPECT_TRUE(d.DesignModified);
}

TYPED_TEST(CustomItems, ALabelCopyMovesBy120AndTakesWhatThePartNames) {
    auto& d = this->d;
    d.Toolbar2_ButtonClick("label");
    DesignLabel& source = d.LabelArray[1];
    source.Move(1000, 2000, 500, 200);
    source.setCaption(QStringLiteral("标题"));
    source.setFontName(QStringLiteral("黑体"));
    source.setFontSize(12);
    source.setFontBold(true);
    source.setFontItalic(true);
    source.setFontUnderline(true);
    source.setFontStrikethru(true);
    source.setForeColor(255);
    source.setBackColor(65280);
    source.setBackStyle(1);
    source.setBorderStyle(0);
    source.setSpecialEffect(2);
    source.setTextAlign(3);
    source.setAutoSize(true);
    d.VBSelectControl(&source);
    d.mnu_ucCopy_Click();
    ASSERT_EQ(d.LabelArray.ubound(), 2);
    const DesignLabel& copy = d.LabelArray[2];
    EXPECT_EQ(d.CurrentControl(), &copy);
    EXPECT_EQ(this->last().ItemName, "自定义标签(2)");
    EXPECT_EQ(copy.Left(), 1120);
    EXPECT_EQ(copy.Top(), 2120);
    EXPECT_EQ(copy.Width(), 500);
    EXPECT_EQ(copy.Height(), 200);
    EXPECT_EQ(copy.Caption(), "标题");
    EXPECT_EQ(copy.FontName(), "黑体");
    EXPECT_EQ(copy.FontSize(), 12);
    EXPECT_TRUE(copy.FontBold() && copy.FontItalic() && copy.FontUnderline());
    EXPECT_FALSE(copy.FontStrikethru());
    EXPECT_FALSE(copy.AutoSize());
    EXPECT_TRUE(copy.WordWrap());
    EXPECT_TRUE(copy.Visible());
    EXPECT_EQ(copy.ForeColor(), 255);
    EXPECT_EQ(copy.BackColor(), 65280);
    EXPECT_EQ(copy.BackStyle(), 1);
    EXPECT_EQ(copy.BorderStyle(), 0);
    EXPECT_EQ(copy.SpecialEffect(), 2);
    EXPECT_EQ(copy.TextAlign(), 3);
}

TYPED_TEST(CustomItems, ACopiedLabelsTextsAreCutToTheirMembers) {
    using Row = typename TestFixture::Row;
    using C = typename TestFixture::C;
    LabelSource s;
    s.fontName = QStringLiteral("ABCDEFGHIJKLMNOPQRST");
    s.caption = QString(300, QLatin1Char('x'));
    const Row row = copiedLabelRow<Row, C>(7, s);
    EXPECT_EQ(fieldText(row.*C::m20), "ABCDEFGHIJKL");
    EXPECT_EQ(fieldText(row.*C::m15), "ABCDEFGHIJKL");
    EXPECT_EQ(fieldText(row.*C::m36), QString(252, QLatin1Char('x')));
    EXPECT_EQ(fieldText(row.*C::m03), "自定义标签(7)");
    EXPECT_EQ(fieldText(row.*C::m39), "000000100000011");
    EXPECT_EQ(fieldText(row.*C::m38), "0000000000000");
}

TYPED_TEST(CustomItems, AFullTableRefusesTheItemOnceAndKeepsNothing) {
    auto& d = this->d;
    d.ItemCount = kMaxDesignItems;
    PromptScript script;
    script.answer(vbOK);
    d.Toolbar2_ButtonClick("line");
    script.finish();
    ASSERT_EQ(script.prompts().size(), 1u);
    EXPECT_EQ(script.prompts()[0].text,
              "界面包含的项超过最大限制[1024]，界面编辑操作将可能导致错误！");
    EXPECT_EQ(d.LineArray.count(), 1);
    EXPECT_TRUE(d.KeptRows.empty());
    EXPECT_EQ(d.CurrentControl(), nullptr);
    EXPECT_FALSE(d.DesignModified);
    // The next one gets the same number, as nothing was left.
    PromptScript again;
    again.answer(vbOK);
    d.Toolbar2_ButtonClick("label");
    EXPECT_EQ(d.LabelArray.count(), 1);
    EXPECT_TRUE(d.KeptRows.empty());
}

TYPED_TEST(CustomItems, TheSevenElementLoadersAddAShownElementAndNoItem) {
    auto& d = this->d;
    const std::vector<std::pair<std::function<void()>, std::function<int()>>> cases = {
        {[&] { d.AddShapeControl(); }, [&] { return d.ShapeArray.count(); }},
        {[&] { d.AddFrameControl(); }, [&] { return d.FrameArray.count(); }},
        {[&] { d.AddCheckBoxControl(); }, [&] { return d.CheckBoxArray.count(); }},
        {[&] { d.AddDatePickerControl(); }, [&] { return d.DatePickerArray.count(); }},
        {[&] { d.AddTextBoxControl(); }, [&] { return d.TextBoxArray.count(); }},
        {[&] { d.AddFrameControl2(); }, [&] { return d.FrameArray.count(); }},
        {[&] { d.AddListBoxControl(); }, [&] { return d.ListBoxArray.count(); }}};
    for (const auto& [add, count] : cases) {
        const int before = count();
        add();
        EXPECT_EQ(count(), before + 1);
    }
    EXPECT_TRUE(d.ShapeArray[1].Visible());
    EXPECT_TRUE(d.FrameArray[2].Visible());
    EXPECT_EQ(d.ItemCount, 0);
}

}  // namespace
}  // namespace zelk
