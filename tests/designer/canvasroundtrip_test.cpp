// The canvas gestures and commands through a save and a reopen on the demo interfaces, on each
// backend and in both designers: what is stored is what the canvas showed.

#include <map>

#include "canvasmouse_support.h"
#include "designer_rows.h"
#include "platform/promptscript.h"

namespace zelk {
namespace {

using mousetest::rectOf;
using Rect = std::array<double, 4>;
constexpr DesignerKind kKinds[] = {DesignerKind::ItemEntry, DesignerKind::ItemSearch};

class CanvasRoundTrip : public test::BackendTest {
  protected:
    bool withDemoData() const override { return true; }
    std::unique_ptr<DesignerBase> open(DesignerKind kind) {
        auto w = windowtest::makeDesigner(kind);
        w->init(hdbc(), fid);
        return w;
    }
    void start(DesignerKind kind) {
        windowtest::clearSettings();
        fid = windowtest::demoInterface(kind, hdbc());
        ASSERT_GT(fid, 0);
    }
    template <class D>
    void commands();
    std::int32_t fid = 0;
};

// The visible boxes of the bound items, by item name (custom names are no key across a save).
std::map<QString, DesignBox*> boxesByName(DesignerBase& w) {
    std::map<QString, DesignBox*> out;
    for (std::int32_t i = 1; i <= w.ItemCount; ++i) {
        const DesignItem& item = w.ItemTable[static_cast<std::size_t>(i)];
        DesignControl* c = w.itemControl(item);
        if (item.ItemName.isEmpty() || item.ItemName.startsWith(QStringLiteral("自定义"))) continue;
        if (c && c->Visible() && !asLine(c) && !out.count(item.ItemName))
            out[item.ItemName] = static_cast<DesignBox*>(c);
    }
    return out;
}

DesignControl* liveItemNamed(DesignerBase& w, const QString& name) {
    for (std::int32_t i = 1; i <= w.ItemCount; ++i)
        if (w.ItemTable[i].ItemName == name && !w.ItemTable[i].Deleted)
            return w.itemControl(w.ItemTable[i]);
    return nullptr;
}

template <class Row>
const Row* rowNamed(const std::vector<Row>& rows, const QString& name) {
    for (const Row& r : rows)
        if (fieldText(r.*ItemColumns<Row>::m03) == name) return &r;
    return nullptr;
}

// A group move, a handle resize, custom items, a copy, an alignment, a send-to-back and a delete.
template <class D>
void CanvasRoundTrip::commands() {
    using Row = typename D::RowType;
    using C = ItemColumns<Row>;
    const std::size_t rowsBefore = testrows::readRows<Row>(hdbc(), fid).size();
    QString lineName, labelName, copyName, deletedName;
    std::int32_t lineNo = 0;
    std::map<QString, Rect> expected, read;
    {
        D w;
        w.init(hdbc(), fid);
        PromptScript none;
        auto boxes = boxesByName(w);
        ASSERT_GE(boxes.size(), 2u);
        DesignBox* a = boxes.begin()->second;
        DesignBox* b = std::next(boxes.begin())->second;
        w.AddToSelection(a);
        w.AddToSelection(b);
        const float x = static_cast<float>(a->Left() + 1), y = static_cast<float>(a->Top() + 1);
        w.PictureContainer_MouseDown(1, 0, x, y);
        ASSERT_TRUE(w.gesture().GroupDragging);
        w.PictureContainer_MouseMove(1, 0, x + 150, y + 75);
        w.PictureContainer_MouseUp(1, 0, x + 150, y + 75);
        w.VBSelectControl(b);
        w.pic_MouseDown(4, 1, 0, 45, 45);
        w.pic_MouseMove(4, 1, 0, 345, 195);
        w.pic_MouseUp(4, 1, 0, 345, 195);
        w.ClearSelection();

        deletedName = w.ItemTable[1].ItemName;
        w.Toolbar2_ButtonClick("line");
        lineName = w.ItemTable[w.ItemCount].ItemName;
        DesignLine& line = w.LineArray[w.LineArray.ubound()];
        w.Toolbar2_ButtonClick("label");
        DesignLabel& label = w.LabelArray[w.LabelArray.ubound()];
        labelName = w.ItemTable[w.ItemCount].ItemName;
        w.mnu_ucCopy_Click();
        DesignLabel& copy = w.LabelArray[w.LabelArray.ubound()];
        copyName = w.ItemTable[w.ItemCount].ItemName;
        ASSERT_NE(copyName, labelName);
        w.AddToSelection(&label);
        w.AddToSelection(&copy);
        w.Toolbar3_ButtonClick("alignLeft");
        w.VBSelectControl(&line);
        w.mnu_toback_Click();
        lineNo = w.ItemTable[static_cast<std::size_t>(w.itemIndexOf(&line))].ItemNo;
        w.VBSelectControl(w.itemControl(w.ItemTable[1]));
        w.mnu_unDelete_Click();
        EXPECT_TRUE(w.DesignModified);
        for (const auto& [name, box] : boxesByName(w)) expected[name] = rectOf(box);
        w.SaveInterface();
        EXPECT_FALSE(w.DesignModified);
        EXPECT_TRUE(none.prompts().empty());
    }
    const std::vector<Row> rows = testrows::readRows<Row>(hdbc(), fid);
    EXPECT_EQ(rows.size(), rowsBefore + 3 - 1);
    EXPECT_EQ(rowNamed(rows, deletedName), nullptr);
    const Row* line = rowNamed(rows, lineName);
    const Row* label = rowNamed(rows, labelName);
    const Row* copy = rowNamed(rows, copyName);
    ASSERT_TRUE(line && label && copy);
    EXPECT_EQ(fieldText(line->*C::m29), QString::number(lineNo));
    EXPECT_EQ(rows.front().*C::m00, line->*C::m00);  // the first row now
    const auto rect = [](const Row& r) {
        return std::vector<std::int32_t>{r.*C::m11, r.*C::m12, r.*C::m13, r.*C::m14};
    };
    EXPECT_EQ(rect(*line), std::vector<std::int32_t>({300, 300, 3300, 300}));
    EXPECT_EQ(rect(*label), std::vector<std::int32_t>({300, 300, 3300, 650}));
    EXPECT_EQ(rect(*copy), std::vector<std::int32_t>({300, 420, 3300, 770}));
    EXPECT_EQ(fieldText(copy->*C::m36), "自定义标签");

    D again;
    again.init(hdbc(), fid);
    EXPECT_EQ(again.ItemTable[1].ItemName, lineName);
    const auto* copied = dynamic_cast<const DesignLabel*>(liveItemNamed(again, copyName));
    ASSERT_NE(copied, nullptr);
    EXPECT_EQ(copied->Left(), 300);
    EXPECT_EQ(copied->Top(), 420);
    EXPECT_EQ(copied->Caption(), "自定义标签");
    EXPECT_EQ(liveItemNamed(again, deletedName), nullptr);
    for (const auto& [name, box] : boxesByName(again)) read[name] = rectOf(box);
    EXPECT_EQ(read, expected);
}

TEST_P(CanvasRoundTrip, GesturesAndCommandsStoreWhatTheCanvasShowed) {
    start(DesignerKind::ItemEntry);
    commands<frm_zelk_jmsj>();
    start(DesignerKind::ItemSearch);
    commands<frm_zelk_jssj>();
}

// Names count the loaded elements: after a reload the deleted line's element is gone, so the
// next new line takes the name of the one that is left.
TEST_P(CanvasRoundTrip, ANameRepeatsAfterADeletedLineIsDroppedByTheReload) {
    for (DesignerKind kind : kKinds) {
        start(kind);
        PromptScript none;
        QString first, second;
        {
            auto w = open(kind);
            w->Toolbar2_ButtonClick("line");
            first = w->ItemTable[w->ItemCount].ItemName;
            w->Toolbar2_ButtonClick("line");
            second = w->ItemTable[w->ItemCount].ItemName;
            w->SaveInterface();
        }
        {
            auto w = open(kind);
            DesignControl* line = liveItemNamed(*w, first);
            ASSERT_NE(line, nullptr);
            w->VBSelectControl(line);
            w->mnu_unDelete_Click();
            w->SaveInterface();
        }
        auto w = open(kind);
        EXPECT_EQ(liveItemNamed(*w, first), nullptr);
        ASSERT_NE(liveItemNamed(*w, second), nullptr);
        w->Toolbar2_ButtonClick("line");
        EXPECT_EQ(w->ItemTable[w->ItemCount].ItemName, second);
        EXPECT_TRUE(none.prompts().empty());
    }
}

ZELK_ON_BOTH_BACKENDS(CanvasRoundTrip);

}  // namespace
}  // namespace zelk
