#include "platform/twips.h"

#include <QWidget>
#include <cmath>

namespace zelk {

int twipsToPixels(double twips) {
    if (std::isnan(twips)) return 0;
    const double px = std::round(twips / kTwipsPerPixel);
    if (px > QWIDGETSIZE_MAX) return QWIDGETSIZE_MAX;
    if (px < -QWIDGETSIZE_MAX) return -QWIDGETSIZE_MAX;
    return static_cast<int>(px);
}

double pixelsToTwips(double pixels) {
    return pixels * kTwipsPerPixel;
}

void placeTwips(QWidget* widget, double left, double top, double width, double height) {
    if (!widget) return;
    widget->setGeometry(twipsToPixels(left), twipsToPixels(top), twipsToPixels(width),
                        twipsToPixels(height));
}

}  // namespace zelk
