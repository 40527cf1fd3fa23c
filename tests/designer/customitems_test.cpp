// Custom lines and labels in both designers: names, placement, copies and a full item table.

#include "designer/canvas/customitems.h"
#include "canvas_support.h"
#include "platform/promptscript.h"

namespace zelk {
namespace {

template <class D>
using CustomItems = canvastest::BareDesigner<D>;
TYPED_TEST_SUITE(CustomItems, canvastest::Designers, canvastest::DesignerNames);

TYPED_TEST(CustomItems, NamesCountEveryElementOfTheArrayDeletedOnesIncluded) {
    auto& d = this->d;
    for (const char* key : {"Line", "LABEL", "shape", ""}) d.Toolbar2_ButtonClick(key);
    EXPECT_EQ(d.ItemCount, 0);
    EXPECT_FALSE(d.DesignModified);
    d.Toolbar2_ButtonClick("line");
    EXPECT_EQ(this->last().ItemName, "自定义线条(1)");
    EXPECT_EQ(d.CurrentControl(), &this->line(1));
    EXPECT_TRUE(d.DesignModified);
    d.mnu_unDelete_Click();
    d.Toolbar2_ButtonClick("line");
    EXPECT_EQ(this->last().ItemName, "自定义线条(2)");

    for (const char* name : {"甲", "乙", "丙"}) this->loadCaptionedTextBox(name);
    d.Toolbar2_ButtonClick("label");
    EXPECT_EQ(this->last().ItemName, "自定义标签(4)");
    d.Toolbar2_ButtonClick("rectangle");  // a label too
    EXPECT_EQ(this->last().ItemName, "自定义标签(5)");
    EXPECT_EQ(d.LabelArray[5].Caption(), "自定义标签");
}

TYPED_TEST(CustomItems, PlacementFollowsTheScrollValuesIn32Bits) {
    auto& d = this->d;
    d.HScrollBar->setRange(0, 100000);
    d.VScrollBar->setRange(0, 100000);
    for (const auto& [h, v] : {std::pair{0, 0}, std::pair{600, 900}, std::pair{40000, 70000}}) {
        d.HScrollBar->setValue(h);
        d.VScrollBar->setValue(v);
        d.Toolbar2_ButtonClick("line");
        const DesignLine& l = this->line(d.LineArray.ubound());
        EXPECT_EQ((std::array{l.X1(), l.Y1(), l.X2(), l.Y2()}),
                  (std::array<double, 4>{h + 300., v + 300., h + 3300., v + 300.}));
        d.Toolbar2_ButtonClick("label");
        const DesignLabel& b = d.LabelArray[d.LabelArray.ubound()];
        EXPECT_EQ((std::array{b.Left(), b.Top(), b.Width(), b.Height()}),
                  (std::array<double, 4>{h + 300., v + 300., 3000, 350}));
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
    EXPECT_EQ((std::array{copy.X1(), copy.Y1(), copy.X2(), copy.Y2()}),
              (std::array<double, 4>{1300, 800, 2300, 1800}));
    EXPECT_EQ(copy.BorderColor(), 255);
    EXPECT_EQ(copy.BorderWidth(), 1);
    EXPECT_EQ(this->last().ItemName, "自定义线条(2)");
    EXPECT_EQ(d.CurrentControl(), &source);
    // The start handle sits on the source's start, not on the copy's.
    const DesignPictureBox* start = d.sizeline->pic10();
    EXPECT_EQ(start->Left() + start->Width() / 2, 1000);
    EXPECT_EQ(start->Top() + start->Height() / 2, 500);
    EXPECT_TRUE(d.DesignModified);
}

TYPED_TEST(CustomItems, ALabelCopyMovesBy120AndKeepsItsLookButNoStrikethrough) {
    auto& d = this->d;
    d.Toolbar2_ButtonClick("label");
    DesignLabel& source = d.LabelArray[1];
    source.Move(1000, 2000, 500, 200);
    source.setCaption(QStringLiteral("标题"));
    source.setFontName(QStringLiteral("黑体"));
    source.setFontSize(12);
    source.setFontBold(true);
    source.setFontStrikethru(true);
    source.setForeColor(255);
    source.setBackColor(65280);
    source.setBackStyle(1);
    source.setBorderStyle(0);
    d.VBSelectControl(&source);
    d.mnu_ucCopy_Click();
    ASSERT_EQ(d.LabelArray.ubound(), 2);
    const DesignLabel& c = d.LabelArray[2];
    EXPECT_EQ(d.CurrentControl(), &c);
    EXPECT_EQ(this->last().ItemName, "自定义标签(2)");
    EXPECT_EQ((std::array{c.Left(), c.Top(), c.Width(), c.Height()}),
              (std::array<double, 4>{1120, 2120, 500, 200}));
    EXPECT_EQ(std::tuple(c.Caption(), c.FontName(), c.FontSize(), c.FontBold(), c.FontStrikethru()),
              std::tuple(QStringLiteral("标题"), QStringLiteral("黑体"), 12.0, true, false));
    EXPECT_EQ(std::tuple(c.ForeColor(), c.BackColor(), c.BackStyle(), c.BorderStyle()),
              std::tuple(std::int32_t{255}, std::int32_t{65280}, 1, 0));
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
}

TYPED_TEST(CustomItems, AFullTableRefusesTheItemOnceAndKeepsNothing) {
    auto& d = this->d;
    d.ItemCount = kMaxDesignItems;
    PromptScript script;
    script.answer(vbOK).answer(vbOK);
    d.Toolbar2_ButtonClick("line");
    ASSERT_EQ(script.prompts().size(), 1u);
    EXPECT_EQ(script.prompts()[0].text,
              "界面包含的项超过最大限制[1024]，界面编辑操作将可能导致错误！");
    EXPECT_EQ(d.LineArray.count(), 1);
    EXPECT_TRUE(d.KeptRows.empty());
    EXPECT_EQ(d.CurrentControl(), nullptr);
    EXPECT_FALSE(d.DesignModified);
    d.Toolbar2_ButtonClick("label");
    EXPECT_EQ(d.LabelArray.count(), 1);
    EXPECT_TRUE(d.KeptRows.empty());
}

}  // namespace
}  // namespace zelk
