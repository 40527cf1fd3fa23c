// What the designers draw on the X screen: selection frames and handles only inside the window,
// and nothing left anywhere once it is closed.

#include "designer_fixture.h"
#include "platform/controls/keyedtoolbar.h"
#include "platform/promptscript.h"

namespace zelk::realwindow {
namespace {

class DesignerScreen : public RealDesigner {};

TEST_P(DesignerScreen, ASelectionDrawsOnlyInsideTheWindowAndClosingLeavesTheDesktopAsItWas) {
    runModal([&] {
        ASSERT_FALSE(desktop.isNull());
        DesignBox* b = box(QStringLiteral("文号"));
        select(b);
        const QRect window = w->frameGeometry();
        EXPECT_EQ(differingPixels(desktop, grabScreen(), window), 0);

        // The band of a resize under way stays inside too, even where it leaves the canvas.
        QWidget* corner = &w->pic()[1];
        input.press(corner, corner->rect().center());
        input.moveTo(corner, corner->rect().center() + QPoint(-300, 15));
        EXPECT_TRUE(waitUntil([&] { return w->Text1->text() == QStringLiteral("-2880"); }))
            << w->Text1->text().toStdString();
        EXPECT_EQ(differingPixels(desktop, grabScreen(), window), 0);
        input.release();
        EXPECT_TRUE(waitUntil([&] {
            return rect(b) == std::array<double, 4>{-2880, 1785, 7500, 75};
        }));

        PromptScript script;
        script.answer(vbNo);  // not saved
        QWidget* close = w->Toolbar1->widgetForAction(w->Toolbar1->Button("close")->action());
        ASSERT_TRUE(close);
        input.click(close, close->rect().center());
        ASSERT_TRUE(waitUntil([&] { return !w->isVisible(); }));
        EXPECT_TRUE(waitUntil([&] { return differingPixels(desktop, grabScreen()) == 0; }));
    });
}

ZELK_ON_BOTH_DESIGNERS(DesignerScreen);

}  // namespace
}  // namespace zelk::realwindow
