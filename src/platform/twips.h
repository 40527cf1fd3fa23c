#pragma once
// Placement and sizes in twips at a fixed 15 twips per screen pixel.

class QWidget;

namespace zelk {

inline constexpr int kTwipsPerPixel = 15;

// Pixels shown for a length in twips: round(twips / 15), clamped to what a widget can take.
int twipsToPixels(double twips);
// Twips of a length in pixels.
double pixelsToTwips(double pixels);
// Places a widget in its parent at a rectangle given in twips.
void placeTwips(QWidget* widget, double left, double top, double width, double height);

}  // namespace zelk
