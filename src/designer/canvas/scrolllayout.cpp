#include "designer/canvas/scrolllayout.h"

#include <cmath>
#include <limits>

#include "platform/twips.h"

namespace zelk {

namespace {

constexpr double kBar = 240;
constexpr double kMargin = 240;

int wholeInt(double v) {
    const double r = std::nearbyint(v);  // halves to the even neighbour
    if (r > std::numeric_limits<int>::max()) return std::numeric_limits<int>::max();
    if (r < std::numeric_limits<int>::min()) return std::numeric_limits<int>::min();
    return static_cast<int>(r);
}

void layoutBar(QScrollBar* bar, double canvasSize, double viewSize) {
    if (!bar) return;
    const bool visible = canvasSize + 2 * kMargin > viewSize;
    bar->setVisible(visible);
    if (!visible) return;
    const int max = wholeInt(canvasSize - viewSize + 2 * kMargin);
    bar->setMinimum(0);
    bar->setMaximum(max);
    bar->setValue(0);
    bar->setPageStep(max < 6 ? 1 : wholeInt(max / 5.0));
    bar->setSingleStep(max < 21 ? 1 : wholeInt(max / 20.0));
    bar->update();
}

}  // namespace

double innerWidthTwips(const QWidget* widget) {
    return widget ? pixelsToTwips(widget->contentsRect().width()) : 0;
}

double innerHeightTwips(const QWidget* widget) {
    return widget ? pixelsToTwips(widget->contentsRect().height()) : 0;
}

void ArrangeScrollBars(const CanvasSurfaces& s) {
    const double w = innerWidthTwips(s.Pictureform);
    const double h = innerHeightTwips(s.Pictureform);
    if (w < 300 || h < 300) return;
    placeTwips(s.HScrollBar, 0, h - kBar, w - kBar, kBar);
    placeTwips(s.VScrollBar, w - kBar, 0, kBar, h - kBar);
    placeTwips(s.PictureBack, 0, 0, w - kBar, h - kBar);
}

void LayoutScrollBars(const CanvasSurfaces& s) {
    if (!s.PictureContainer) return;
    s.PictureContainer->Move(kMargin, kMargin);
    layoutBar(s.HScrollBar, s.PictureContainer->Width(), innerWidthTwips(s.PictureBack));
    layoutBar(s.VScrollBar, s.PictureContainer->Height(), innerHeightTwips(s.PictureBack));
    ArrangeScrollBars(s);
}

void HScrollBar_Change(const CanvasSurfaces& s) {
    if (s.PictureContainer && s.HScrollBar)
        s.PictureContainer->setLeft(kMargin - static_cast<double>(s.HScrollBar->value()));
}

void VScrollBar_Change(const CanvasSurfaces& s) {
    if (s.PictureContainer && s.VScrollBar)
        s.PictureContainer->setTop(kMargin - static_cast<double>(s.VScrollBar->value()));
}

void PictureContainer_Resize(const CanvasSurfaces& s) {
    if (!s.PictureContainer || !s.PictureTest) return;
    s.PictureTest->Move(0, 0, s.PictureContainer->Width(), s.PictureContainer->Height());
}

}  // namespace zelk
