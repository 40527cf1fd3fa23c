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
            w->raise();
            w->activateWindow();
            if (QTest::qWaitForWindowExposed(w.get()) && QTest::qWaitForWindowActive(w.get()))
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
    // The item controls other than lines, frames and shapes that are shown, in item order.
    std::vector<DesignBox*> boxes() const {
        std::vector<DesignBox*> found;
        for (std::int32_t i = 1; i <= w->ItemCount; ++i) {
            DesignControl* c = w->itemControl(w->ItemTable[static_cast<std::size_t>(i)]);
            if (c && c->Visible() && !asLine(c) && c->Name() != QLatin1String("FrameArray") &&
                c->Name() != QLatin1String("ShapeArray"))
                found.push_back(static_cast<DesignBox*>(c));
        }
        return found;
    }
    // The control of the item with that name.
    DesignBox* box(const QString& name) const {
        for (DesignBox* b : boxes())
            if (TrimFixedField(w->ItemTable[b->Tag().toUInt()].ItemName) == name) return b;
        ADD_FAILURE() << "no item " << name.toStdString();
        return nullptr;
    }
    QWidget* canvas() const { return w->PictureContainer; }
    // Canvas pixels of a point in canvas twips.
    static QPoint px(double x, double y) { return {twipsToPixels(x), twipsToPixels(y)}; }
    static QPoint centre(const DesignBox* b) {
        return px(b->Left() + b->Width() / 2, b->Top() + b->Height() / 2);
    }
    static std::array<double, 4> rect(const DesignBox* b) {
        return {b->Left(), b->Top(), b->Width(), b->Height()};
    }
    // The four corner handles of the current control (the move handle pic(5) is never shown).
    bool handlesShown() const {
        for (int i = 1; i <= 4; ++i)
            if (!w->pic()[i].isVisible()) return false;
        return true;
    }
    bool handlesHidden() const {
        for (int i = 1; i <= 5; ++i)
            if (w->pic()[i].isVisible()) return false;
        return true;
    }

    XInput input;
    QImage desktop;  // the screen before the designer opened
    std::unique_ptr<DesignerBase> w;
};

}  // namespace zelk::realwindow
