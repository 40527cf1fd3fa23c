#pragma once
// The canvas's hit tests, as pure functions of twips.

namespace zelk {

// A box from (left, top) to (left + width, top + height), each rounded to whole twips; the point
// rounded too. The right and bottom edges are outside.
bool HitTestBox(double left, double top, double width, double height, double x, double y);

// A line's band: the quadrilateral (x1 - 60, y1 + 60), (x1 + 60, y1 - 60), (x2 + 60, y2 - 60),
// (x2 - 60, y2 + 60) in whole pixels of the screen's twips per pixel, or any point within 60
// twips of the segment measured across it (so that a line at any angle can be picked).
bool HitTestLineBand(double x1, double y1, double x2, double y2, double x, double y,
                     double twipsPerPixelX = 15, double twipsPerPixelY = 15);

}  // namespace zelk
