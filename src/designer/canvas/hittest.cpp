#include "designer/canvas/hittest.h"

#include <cmath>

#include <QPolygon>

namespace zelk {

namespace {

constexpr double kBand = 60;

long whole(double v) {
    return std::lrint(v);  // halves to the even neighbour in the default rounding mode
}

double distanceToSegment(double x1, double y1, double x2, double y2, double x, double y) {
    const double dx = x2 - x1, dy = y2 - y1;
    const double len2 = dx * dx + dy * dy;
    double t = len2 > 0 ? ((x - x1) * dx + (y - y1) * dy) / len2 : 0;
    t = t < 0 ? 0 : t > 1 ? 1 : t;
    return std::hypot(x - (x1 + t * dx), y - (y1 + t * dy));
}

}  // namespace

bool HitTestBox(double left, double top, double width, double height, double x, double y) {
    const long l = whole(left), t = whole(top);
    const long r = whole(left + width), b = whole(top + height);
    const long px = whole(x), py = whole(y);
    return l <= px && px < r && t <= py && py < b;
}

bool HitTestLineBand(double x1, double y1, double x2, double y2, double x, double y, double tppX,
                     double tppY) {
    if (tppX <= 0 || tppY <= 0) return false;
    auto px = [tppX](double v) { return static_cast<int>(whole(v / tppX)); };
    auto py = [tppY](double v) { return static_cast<int>(whole(v / tppY)); };
    QPolygon band;
    band << QPoint(px(x1 - kBand), py(y1 + kBand)) << QPoint(px(x1 + kBand), py(y1 - kBand))
         << QPoint(px(x2 + kBand), py(y2 - kBand)) << QPoint(px(x2 - kBand), py(y2 + kBand));
    if (band.containsPoint(QPoint(px(x), py(y)), Qt::OddEvenFill)) return true;
    return distanceToSegment(x1, y1, x2, y2, x, y) <= kBand;
}

}  // namespace zelk
