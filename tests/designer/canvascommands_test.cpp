// The context-menu, keyboard and toolbar commands of both designers on their current control:
// stacking, delete, the custom line's colour, the double click and tab-order mode.

#include <QTest>

#include "canvas_support.h"
#include "platform/promptscript.h"
#include "propdialogs/frm_label_prop.h"
#include "propdialogs/frm_text_prop.h"

namespace zelk {
namespace {

template <class D>
class CanvasCommands : public canvastest::BareDesigner<D> {
  protected:
    void makeCurrent(DesignControl& c) { this->d.VBSelectControl(&c); }
    int stackPlace(const QWidget& w) const {
        return static_cast<int>(w.parentWidget()->children().indexOf(const_cast<QWidget*>(&w)));
    }
    int treeNodesTagged(std::int32_t index) const {
        int n = 0;
        for (int i = 1; i <= this->d.TreeView1->Count(); ++i)
            if (this->d.TreeView1->Item(i)->Tag() == QString::number(index)) ++n;
        return n;
    }
};
TYPED_TEST_SUITE(CanvasCommands, canvastest::Designers, canvastest::DesignerNames);

TYPED_TEST(CanvasCommands, StackingNumbersBeyondEveryItemAndMovesTheControl) {
    auto& d = this->d;
    for (int i = 0; i < 3; ++i) d.Toolbar2_ButtonClick("label");
    d.ItemTable[1].ItemNo = 3;
    d.ItemTable[2].ItemNo = 7;
    d.ItemTable[3].ItemNo = 5;
    DesignLabel& third = d.LabelArray[3];
    this->makeCurrent(third);
    d.DesignModified = false;
    d.mnu_ucToBack_Click();
    EXPECT_EQ(d.ItemTable[3].ItemNo, 2);
    EXPECT_EQ(this->stackPlace(third), 0);
    EXPECT_TRUE(d.DesignModified);
    d.ItemTable[3].ItemNo = 5;
    d.mnu_tofront_Click();
    EXPECT_EQ(d.ItemTable[3].ItemNo, 8);
    EXPECT_EQ(this->stackPlace(third), third.parentWidget()->children().size() - 1);
    // A deleted item still counts.
    d.ItemTable[2].Deleted = -1;
    d.mnu_toback_Click();
    EXPECT_EQ(d.ItemTable[3].ItemNo, 2);
    // A single item steps its own number.
    TypeParam one;
    one.load();
    one.Toolbar2_ButtonClick("line");
    one.ItemTable[1].ItemNo = 4;
    one.mnu_toback_Click();
    EXPECT_EQ(one.ItemTable[1].ItemNo, 3);
    one.mnu_ucToFront_Click();
    EXPECT_EQ(one.ItemTable[1].ItemNo, 4);
}

TYPED_TEST(CanvasCommands, NoCurrentControlChangesNothing) {
    auto& d = this->d;
    d.Toolbar2_ButtonClick("label");
    d.currentControlState().setCurrentControl(nullptr);
    d.DesignModified = false;
    PromptScript none;
    d.mnu_toback_Click();
    d.mnu_tofront_Click();
    d.mnu_ucCopy_Click();
    d.mnu_ucProperty_Click();
    d.mnu_unDelete_Click();
    EXPECT_EQ(d.ItemCount, 1);
    EXPECT_EQ(d.ItemTable[1].Deleted, 0);
    EXPECT_FALSE(d.DesignModified);
}

TYPED_TEST(CanvasCommands, DeleteHidesTheItemWithItsCaptionAndForgetsIt) {
    auto& d = this->d;
    d.Toolbar2_ButtonClick("label");
    this->loadCaptionedTextBox("姓名");
    const DesignItem& item = d.ItemTable[2];
    DesignControl* box = d.itemControl(item);
    ASSERT_TRUE(box && item.CaptionIndex > 0);
    DesignLabel& caption = d.LabelArray[item.CaptionIndex];
    ASSERT_TRUE(caption.Visible());
    // The label's node bears the same name, as two items may after a reload.
    for (int i = 1; i <= d.TreeView1->Count(); ++i)
        if (d.TreeView1->Item(i)->Tag() == "1") d.TreeView1->Item(i)->SetText(item.ItemName);
    ASSERT_EQ(this->treeNodesTagged(2), 1);
    d.AddToSelection(d.itemControl(d.ItemTable[1]));
    d.AddToSelection(box);
    this->makeCurrent(*box);
    d.DesignModified = false;
    d.mnu_unDelete_Click();
    EXPECT_FALSE(box->Visible());
    EXPECT_FALSE(caption.Visible());
    EXPECT_EQ(item.Deleted, -1);
    EXPECT_EQ(d.ItemTable[1].Deleted, 0);
    EXPECT_EQ(this->treeNodesTagged(2), 0);
    EXPECT_EQ(this->treeNodesTagged(1), 1);
    EXPECT_EQ(d.CurrentControl(), nullptr);
    ASSERT_EQ(d.SelectedControls().size(), 1u);  // it and its frame left the selection
    EXPECT_EQ(d.selection().SelectionFrames().size(), 1u);
    EXPECT_TRUE(d.DesignModified);
}

TYPED_TEST(CanvasCommands, DelOnACaptionLabelDeletesTheWholeItem) {
    auto& d = this->d;
    this->loadCaptionedTextBox("姓名");
    const DesignItem& item = d.ItemTable[1];
    DesignLabel& caption = d.LabelArray[item.CaptionIndex];
    this->makeCurrent(caption);
    d.PictureContainer->setFocus();
    QTest::keyClick(d.PictureContainer, Qt::Key_Delete);
    EXPECT_EQ(item.Deleted, -1);
    EXPECT_FALSE(d.itemControl(item)->Visible());
    EXPECT_FALSE(caption.Visible());
    EXPECT_EQ(d.CurrentControl(), nullptr);
}

TYPED_TEST(CanvasCommands, TheLineColourGoesToOneOrEveryLineAndCancelChangesNothing) {
    struct Case {
        const char* name;
        bool cancel;
        int answer;
        std::int32_t current, other, templ;
    };
    for (const Case c : {Case{"Yes", false, vbYes, 255, 255, 255},
                         Case{"No", false, vbNo, 255, 0, 0}, Case{"Cancel", true, 0, 0, 0, 0}}) {
        SCOPED_TRACE(c.name);
        TypeParam d;
        d.load();
        d.Toolbar2_ButtonClick("line");
        d.Toolbar2_ButtonClick("line");
        d.LineArray[2].hide();  // hidden lines take the colour too
        d.LineArray[0].setBorderColor(0);
        d.VBSelectControl(&d.LineArray[1]);
        d.DesignModified = false;
        PromptScript script;
        if (c.cancel)
            script.cancelDialog();
        else
            script.chooseColor(QColor(255, 0, 0)).answer(c.answer);
        d.mnu_ucProperty_Click();
        script.finish();
        EXPECT_EQ(d.LineArray[1].BorderColor(), c.current);
        EXPECT_EQ(d.LineArray[2].BorderColor(), c.other);
        EXPECT_EQ(d.LineArray[0].BorderColor(), c.templ);
        EXPECT_EQ(d.DesignModified, !c.cancel);
        ASSERT_EQ(script.prompts().size(), c.cancel ? 1u : 2u);
        if (!c.cancel) {
            EXPECT_EQ(script.prompts()[1].text, "是否应用到全部线条？");
            EXPECT_EQ(script.prompts()[1].title, "确认");
            EXPECT_EQ(script.prompts()[1].style, vbYesNo + vbQuestion);
        }
    }
}

TYPED_TEST(CanvasCommands, DoubleClickOpensWhatTheItemAsksFor) {
    auto& d = this->d;
    d.Toolbar2_ButtonClick("label");
    d.Toolbar2_ButtonClick("line");
    this->loadCaptionedTextBox("姓名");
    // A cancelled dialog leaves the design unmodified.
    const auto doubleClick = [&](DesignControl& c, const char* caption, auto answer,
                                 bool modified) {
        this->makeCurrent(c);
        d.DesignModified = false;
        PromptScript script;
        answer(script);
        d.PictureContainer_DblClick();
        script.finish();
        EXPECT_EQ(d.mnu_ucProperty->text(), caption);
        EXPECT_EQ(d.DesignModified, modified);
    };
    doubleClick(
        d.LabelArray[1], "编辑属性...",
        [](PromptScript& s) { s.onModal<frm_label_prop>([](frm_label_prop& f) { f.unload(); }); },
        false);
    doubleClick(
        d.LineArray[1], "颜色...",
        [](PromptScript& s) { s.chooseColor(QColor(0, 0, 255)).answer(vbNo); }, true);
    EXPECT_EQ(d.LineArray[1].BorderColor(), 0xFF0000);
    // A bound item's caption stays as the last custom item left it.
    doubleClick(
        *d.itemControl(d.ItemTable[3]), "颜色...",
        [](PromptScript& s) { s.onModal<frm_text_prop>([](frm_text_prop& f) { f.unload(); }); },
        false);
    doubleClick(
        *d.itemControl(d.ItemTable[3]), "颜色...",
        [](PromptScript& s) {
            s.onModal<frm_text_prop>([](frm_text_prop& f) { f.Command4_Click(); });
        },
        true);
}

TYPED_TEST(CanvasCommands, ArrangingFollowsTheSelectionOrderAndLeavesLinesAlone) {
    auto& d = this->d;
    const bool entry = std::is_same_v<TypeParam, frm_zelk_jmsj>;
    d.Toolbar2_ButtonClick("line");
    for (const double left : {0.0, 1000.0, 4000.0}) {
        d.Toolbar2_ButtonClick("label");
        d.LabelArray[d.LabelArray.ubound()].Move(left, 500, 500, 200);
    }
    d.DesignModified = false;
    d.Toolbar3_ButtonClick("alignCenter");  // nothing selected: nothing at all
    d.AddToSelection(&d.LabelArray[1]);
    d.Toolbar3_ButtonClick("sameWidth");    // the reference alone
    d.Toolbar3_ButtonClick("AlignCenter");  // an unknown key only redraws
    EXPECT_FALSE(d.DesignModified);
    for (const int i : {2, 3}) d.AddToSelection(&d.LabelArray[i]);
    d.AddToSelection(&this->line(1));
    const double x1 = this->line(1).X1();
    d.Toolbar3_ButtonClick("horiSplit");
    const std::vector<double> expected =
        entry ? std::vector<double>{0, 2000, 4000} : std::vector<double>{0, 1833, 3666};
    for (int i = 1; i <= 3; ++i) EXPECT_EQ(d.LabelArray[i].Left(), expected[i - 1]) << i;
    EXPECT_EQ(this->line(1).X1(), x1);
    EXPECT_TRUE(d.DesignModified);
    EXPECT_EQ(d.selection().SelectionFrames().size(), 3u);  // lines get no frame
}

// Records the tab-order mode while each message box is open.
class ModeProbe : public PromptInterceptor {
  public:
    explicit ModeProbe(DesignerBase& d) : d_(d) { pushPromptInterceptor(this); }
    ~ModeProbe() override { popPromptInterceptor(this); }
    std::vector<bool> seen;
    std::vector<std::tuple<QString, int, QString>> shown;
    int messageBox(const QString& text, int style, const QString& title) override {
        seen.push_back(d_.selection().TabOrderMode);
        shown.emplace_back(text, style, title);
        return vbOK;
    }
    std::optional<QString> inputBox(const QString&, const QString&, const QString&) override {
        return std::nullopt;
    }
    bool commonDialog(PromptKind, CommonDialog&) override { return false; }
    void modalForm(Form& form) override { form.forceUnload(); }

  private:
    DesignerBase& d_;
};

TYPED_TEST(CanvasCommands, TabOrderModeNumbersTheClickedInputItemsFromOne) {
    auto& d = this->d;
    const bool entry = std::is_same_v<TypeParam, frm_zelk_jmsj>;
    this->loadCaptionedTextBox("甲", 100);
    this->loadCaptionedTextBox("乙", 1000);
    this->loadCaptionedTextBox("丙", 2000);
    d.Toolbar2_ButtonClick("label");  // at (300, 300): it takes no number
    ToolbarButton* button = d.Toolbar4->Button(QStringLiteral("tabOrder"));
    const auto click = [&](std::int32_t item, float dx = 0) {
        const auto* box = static_cast<const DesignBox*>(d.itemControl(d.ItemTable[item]));
        const float x = static_cast<float>(box->Left() + 100);
        const float y = static_cast<float>(box->Top() + 100);
        d.PictureContainer_MouseDown(1, 0, x, y);
        if (dx != 0) d.PictureContainer_MouseMove(1, 0, x + dx, y);
        d.PictureContainer_MouseUp(1, 0, x + dx, y);
    };
    const auto toggle = [&](bool on) {
        button->SetValue(on);
        d.Toolbar4_ButtonClick(button);
    };
    ModeProbe probe(d);
    toggle(true);
    d.DesignModified = false;
    for (const std::int32_t item : {3, 4, 1}) click(item);
    click(2, 300);  // the item-entry designer starts no move in this mode
    toggle(false);
    EXPECT_EQ(d.ItemTable[3].EntryOrder, 1);
    EXPECT_EQ(d.ItemTable[4].EntryOrder, 0);
    EXPECT_EQ(d.ItemTable[1].EntryOrder, 2);
    EXPECT_EQ(d.ItemTable[2].EntryOrder, 3);
    EXPECT_TRUE(d.DesignModified);
    EXPECT_EQ(static_cast<const DesignBox*>(d.itemControl(d.ItemTable[2]))->Left() == 1100, entry);
    toggle(true);
    click(2);
    EXPECT_EQ(d.ItemTable[2].EntryOrder, 1);
    // Nor a handle drag.
    auto* box = static_cast<DesignBox*>(d.itemControl(d.ItemTable[1]));
    d.VBSelectControl(box);
    d.pic_MouseDown(4, 1, 0, 45, 45);
    d.pic_MouseMove(4, 1, 0, 345, 45);
    d.pic_MouseUp(4, 1, 0, 345, 45);
    EXPECT_EQ(box->Width() == 1900, entry);
    EXPECT_EQ(probe.seen, std::vector<bool>({true, false, true}));
    const QString title = QStringLiteral("操作提示");
    EXPECT_EQ(probe.shown[0],
              std::make_tuple(QStringLiteral("现在进入录入顺序调整模式，请按照要设置的"
                                             "录入顺序用鼠标单击控件，\n完成后按"
                                             "[调整录入顺序]取消该模式"),
                              int(vbInformation), title));
    EXPECT_EQ(probe.shown[1],
              std::make_tuple(QStringLiteral("录入顺序调整结束"), int(vbInformation), title));
}

TYPED_TEST(CanvasCommands, ACopyThroughTheMenuOfARightPressLandsBesideItsSource) {
    auto& d = this->d;
    d.show();
    d.Toolbar2_ButtonClick("label");
    DesignLabel& source = d.LabelArray[1];
    source.Move(1005, 2010, 600, 300);
    PromptScript script;
    script.chooseMenuEntry(QStringLiteral("mnu_ucCopy"));
    const QPoint at(1200 / 15, 2100 / 15);
    QTest::mousePress(d.PictureContainer, Qt::RightButton, {}, at);
    QTest::mouseRelease(d.PictureContainer, Qt::RightButton, {}, at);
    script.finish();
    ASSERT_EQ(d.LabelArray.ubound(), 2);
    EXPECT_EQ(d.LabelArray[2].Left(), 1125);
    EXPECT_EQ(d.LabelArray[2].Top(), 2130);
    EXPECT_EQ(source.Left(), 1005);
    EXPECT_EQ(source.Top(), 2010);
}

}  // namespace
}  // namespace zelk
