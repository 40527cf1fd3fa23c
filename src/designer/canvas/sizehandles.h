#pragma once
// The five size handles of the current control: pic(1) to pic(4) on its corners, pic(5) on its
// centre. Element 0 is the template (90 by 90 twips, blue); InitSizeHandles loads the others.

#include <cstdint>

#include "platform/controlarray.h"
#include "platform/controls/designpicturebox.h"

namespace zelk {

// Centres `box` on (x, y) twips: exact halves, never rounded.
void VBSetControlCenterPos(DesignBox& box, double x, double y);

class SizeHandles {
  public:
    // The template lies on `canvas`; the handles are loaded beside it.
    explicit SizeHandles(QWidget* canvas);

    ControlArray<DesignPictureBox> pic;
    std::intptr_t CanvasHwnd = 0;

    // Loads pic(1) to pic(5) (hidden) with their mouse pointers 8, 6, 6, 8, 5.
    void InitSizeHandles(std::intptr_t canvasHwnd);
    // Shows pic(1) to pic(4) in front of their siblings; pic(5) stays as it is.
    void ViewPic();
    void HidePic();
    // Centres the handles on the corners and the centre of a box (whole twips, halves to even).
    void placeAround(double left, double top, double width, double height);
    bool loaded() const { return pic.exists(5); }
};

}  // namespace zelk
