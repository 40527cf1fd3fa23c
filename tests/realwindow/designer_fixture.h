#pragma once
// One designer of each kind on the demo database, shown modally on the X server as the program
// shows it, with real input: what a user who has just opened it sees.

#include <functional>
#include <memory>
#include <vector>

#include <QTest>
#include <QTimer>

#include "designer/designerwindow_support.h"
#include "platform/prompts.h"
#include "platform/screen.h"
#include "platform/twips.h"
#include "realwindow_support.h"

namespace zelk::realwindow {

class RealDesigner : public windowtest::DesignerWindowTest {
  protected:
    void SetUp() override {
        ZELK_SKIP_WITHOUT_X_SERVER();
        DesignerWindowTest::SetUp();
        if (HasFatalFailure()) return;
        desktop = grabScreen();
        w = open();
    }
    // Shows the designer modally and runs `body` once it is active; a window the body left open
    // is unloaded, which ends the modal show.
    void runModal(const std::function<void()>& body,
                  const QRect& place = QRect(40, 40, 1200, 860)) {
        bool ran = false;
        w->setGeometry(place);
        QTimer::singleShot(0, w.get(), [&] {
            ran = true;
            if (activate(w.get()))
                body();
            else
                ADD_FAILURE() << "the designer did not become the active window";
            if (w->isVisible()) w->forceUnload();
        });
        ShowModal(*w);
        EXPECT_TRUE(ran);
    }
    void TearDown() override {
        if (w) w->forceUnload();
    }
    // The control of the shown item with that name (not a line, frame or shape).
    DesignBox* box(const QString& name) const {
        for (std::int32_t i = 1; i <= w->ItemCount; ++i) {
            const DesignItem& item = w->ItemTable[static_cast<std::size_t>(i)];
            DesignControl* c = w->itemControl(item);
            if (c && c->Visible() && !asLine(c) && c->Name() != QLatin1String("FrameArray") &&
                c->Name() != QLatin1String("ShapeArray") && TrimFixedField(item.ItemName) == name)
                return static_cast<DesignBox*>(c);
        }
        ADD_FAILURE() << "no item " << name.toStdString();
        return nullptr;
    }
    QWidget* canvas() const { return w->PictureContainer; }
    // A click that makes `b` current, waited for until its handles show.
    void select(DesignBox* b) {
        input.click(canvas(), centre(b));
        EXPECT_TRUE(waitUntil([&] { return w->CurrentControl() == b && handles(true); }))
            << "the click did not select the control with its handles";
        EXPECT_TRUE(ScreenFramesShown().isEmpty()) << "a frame was left behind";
    }
    // Canvas pixels of a point in canvas twips.
    static QPoint px(double x, double y) { return {twipsToPixels(x), twipsToPixels(y)}; }
    static QPoint centre(const DesignBox* b) {
        return px(b->Left() + b->Width() / 2, b->Top() + b->Height() / 2);
    }
    static std::array<double, 4> rect(const DesignBox* b) {
        return {b->Left(), b->Top(), b->Width(), b->Height()};
    }
    // Shown: the four corner handles of the current control (the move handle pic(5) is never
    // shown); hidden: all five.
    bool handles(bool shown) const {
        for (int i = 1; i <= (shown ? 4 : 5); ++i)
            if (w->pic()[i].isVisible() != shown) return false;
        return true;
    }

    XInput input;
    QImage desktop;  // the screen before the designer opened
    std::unique_ptr<DesignerBase> w;
};

}  // namespace zelk::realwindow
