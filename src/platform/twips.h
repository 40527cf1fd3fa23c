#pragma once
// Placement and sizes in twips at a fixed 15 twips per screen pixel.

namespace zelk {

inline constexpr int kTwipsPerPixel = 15;

// Pixels shown for a length in twips: round(twips / 15), clamped to what a widget can take.
int twipsToPixels(double twips);
// Twips of a length in pixels.
double pixelsToTwips(double pixels);

}  // namespace zelk
