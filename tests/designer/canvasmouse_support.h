#pragma once
// A designer window with item controls on its canvas, each registered as an item, for the
// mouse tests: arguments of the handlers are (button, shift, x, y) in twips.

#include <gtest/gtest.h>

#include <array>

#include "designerwindow_support.h"
#include "platform/screen.h"

namespace zelk::mousetest {

inline std::array<double, 4> rectOf(const DesignControl* c) {
    if (auto* line = qobject_cast<const DesignLine*>(c))
        return {line->X1(), line->Y1(), line->X2(), line->Y2()};
    auto* b = static_cast<const DesignBox*>(c);
    return {b->Left(), b->Top(), b->Width(), b->Height()};
}

class CanvasFixture : public ::testing::TestWithParam<DesignerKind> {
  protected:
    void SetUp() override {
        ClearScreenFrames();
        w = windowtest::makeDesigner(GetParam());
        w->load();
        w->PictureContainer->Move(240, 240, 9000, 6000);
        w->PictureContainer_Resize();
        // Bands are drawn only inside a window on the screen.
        w->resize(1000, 700);
        w->show();
    }
    void TearDown() override { ClearScreenFrames(); }
    bool entry() const { return GetParam() == DesignerKind::ItemEntry; }

    // Registers `c` as item `ItemNo` with a name, shows it and returns it.
    template <class T>
    T& item(T& c, std::int32_t kind, const QString& name = QStringLiteral("项")) {
        const std::int32_t index = ++w->ItemCount;
        DesignItem& it = w->ItemTable[static_cast<std::size_t>(index)];
        it = DesignItem{};
        it.ControlKind = kind;
        it.ArrayIndex = static_cast<std::int16_t>(c.Index());
        it.ItemNo = index;
        it.ItemName = name;
        c.setTag(QString::number(index));
        c.show();
        return c;
    }
    DesignTextBox& text(double l, double t, double wd, double h) {
        auto& c = w->TextBoxArray.loadNext();
        c.Move(l, t, wd, h);
        return item(c, 2);
    }
    DesignLabel& label(double l, double t, double wd, double h,
                       const QString& name = QStringLiteral("标签")) {
        auto& c = w->LabelArray.loadNext();
        c.Move(l, t, wd, h);
        return item(c, 1, name);
    }
    DesignLine& line(double x1, double y1, double x2, double y2) {
        auto& c = w->LineArray.loadNext();
        c.setX1(x1);
        c.setY1(y1);
        c.setX2(x2);
        c.setY2(y2);
        return item(c, 9);
    }

    void down(int button, int shift, float x, float y) {
        w->PictureContainer_MouseDown(button, shift, x, y);
    }
    void move(int button, int shift, float x, float y) {
        w->PictureContainer_MouseMove(button, shift, x, y);
    }
    void up(int button, int shift, float x, float y) {
        w->PictureContainer_MouseUp(button, shift, x, y);
    }
    // A press, one move and a release with the same button.
    void drag(int button, int shift, float x, float y, float dx, float dy) {
        down(button, shift, x, y);
        move(button, shift, x + dx, y + dy);
        up(button, shift, x + dx, y + dy);
    }

    std::unique_ptr<DesignerBase> w;
};

}  // namespace zelk::mousetest
