#include "designer/canvas/sizehandles.h"

#include <cmath>

namespace zelk {

namespace {

constexpr std::int32_t kHandleColour = 0xFF0000;  // blue in 0x00BBGGRR
constexpr double kHandleSize = 90;

DesignPictureBox* handleTemplate(QWidget* canvas) {
    auto* box = new DesignPictureBox(canvas);
    box->setBackColor(kHandleColour);
    box->setBorderStyle(0);
    box->Move(0, 0, kHandleSize, kHandleSize);
    box->hide();
    return box;
}

double wholeTwips(double v) {
    return std::nearbyint(v);  // the default rounding mode takes halves to the even neighbour
}

}  // namespace

void VBSetControlCenterPos(DesignBox& box, double x, double y) {
    box.Move(x - box.Width() / 2, y - box.Height() / 2);
}

SizeHandles::SizeHandles(QWidget* canvas) : pic(QStringLiteral("pic"), handleTemplate(canvas)) {}

void SizeHandles::InitSizeHandles(std::intptr_t canvasHwnd) {
    static const int pointers[] = {8, 6, 6, 8, 5};
    for (int i = 1; i <= 5; ++i) {
        DesignPictureBox& box = pic.exists(i) ? pic[i] : pic.load(i);
        box.setMousePointer(pointers[i - 1]);
    }
    CanvasHwnd = canvasHwnd;
}

void SizeHandles::ViewPic() {
    for (int i = 1; i <= 4; ++i) {
        if (DesignPictureBox* box = pic.find(i)) {
            box->show();
            box->ZOrder(0);
        }
    }
}

void SizeHandles::HidePic() {
    for (int i = 1; i <= 5; ++i)
        if (DesignPictureBox* box = pic.find(i)) box->hide();
}

void SizeHandles::placeAround(double left, double top, double width, double height) {
    if (!loaded()) return;
    const double points[5][2] = {{left, top},
                                 {left + width, top},
                                 {left, top + height},
                                 {left + width, top + height},
                                 {left + width / 2, top + height / 2}};
    for (int i = 1; i <= 5; ++i)
        VBSetControlCenterPos(pic[i], wholeTwips(points[i - 1][0]), wholeTwips(points[i - 1][1]));
}

}  // namespace zelk
