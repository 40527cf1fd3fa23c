// A group move and a handle resize on the demo interfaces, saved and read back, on each backend.

#include <map>

#include "canvasmouse_support.h"
#include "platform/promptscript.h"

namespace zelk {
namespace {

using mousetest::rectOf;
using Rect = std::array<double, 4>;

class CanvasRoundTrip : public test::BackendTest {
  protected:
    bool withDemoData() const override { return true; }
};

// The visible boxes of the items, by item name.
std::map<QString, DesignBox*> boxesByName(DesignerBase& w) {
    std::map<QString, DesignBox*> out;
    for (std::int32_t i = 1; i <= w.ItemCount; ++i) {
        const DesignItem& item = w.ItemTable[static_cast<std::size_t>(i)];
        DesignControl* c = w.itemControl(item);
        // Custom items are named as they are loaded: the name is no key across a save.
        if (item.ItemName.isEmpty() || item.ItemName.startsWith(QStringLiteral("自定义"))) continue;
        if (c && c->Visible() && !asLine(c) && !out.count(item.ItemName))
            out[item.ItemName] = static_cast<DesignBox*>(c);
    }
    return out;
}

TEST_P(CanvasRoundTrip, AGroupMoveAndAHandleResizeComeBackAsTheyWereSaved) {
    for (DesignerKind kind : {DesignerKind::ItemEntry, DesignerKind::ItemSearch}) {
        windowtest::clearSettings();
        const std::int32_t fid = windowtest::demoInterface(kind, hdbc());
        ASSERT_GT(fid, 0);
        std::map<QString, Rect> expected;
        {
            auto w = windowtest::makeDesigner(kind);
            w->init(hdbc(), fid);
            auto boxes = boxesByName(*w);
            ASSERT_GE(boxes.size(), 2u);
            DesignBox* a = boxes.begin()->second;
            DesignBox* b = std::next(boxes.begin())->second;
            w->AddToSelection(a);
            w->AddToSelection(b);
            const float x = static_cast<float>(a->Left() + 1), y = static_cast<float>(a->Top() + 1);
            w->PictureContainer_MouseDown(1, 0, x, y);
            ASSERT_TRUE(w->gesture().GroupDragging);
            w->PictureContainer_MouseMove(1, 0, x + 150, y + 75);
            w->PictureContainer_MouseUp(1, 0, x + 150, y + 75);
            w->VBSelectControl(b);
            w->pic_MouseDown(4, 1, 0, 45, 45);
            w->pic_MouseMove(4, 1, 0, 345, 195);
            w->pic_MouseUp(4, 1, 0, 345, 195);
            EXPECT_TRUE(w->DesignModified);
            for (const auto& [name, box] : boxesByName(*w)) expected[name] = rectOf(box);
            PromptScript quiet;
            w->SaveInterface();
            EXPECT_FALSE(w->DesignModified);
        }
        auto again = windowtest::makeDesigner(kind);
        again->init(hdbc(), fid);
        std::map<QString, Rect> read;
        for (const auto& [name, box] : boxesByName(*again)) read[name] = rectOf(box);
        EXPECT_EQ(read, expected) << windowtest::designerName(kind);
    }
}

ZELK_ON_BOTH_BACKENDS(CanvasRoundTrip);

}  // namespace
}  // namespace zelk
