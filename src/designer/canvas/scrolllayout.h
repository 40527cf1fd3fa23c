#pragma once
// The surfaces around a designer's canvas, from the outside in: Pictureform holds the viewport
// PictureBack and the two scroll bars; PictureBack holds the design surface PictureContainer,
// which rests at (240, 240) and scrolls; PictureTest is the surface's background layer. All
// places and sizes in twips. Scroll values are 32-bit, so any canvas can be reached.

#include <QScrollBar>
#include <QWidget>

#include "platform/controls/designpicturebox.h"
#include "platform/twips.h"

namespace zelk {

struct CanvasSurfaces {
    QWidget* Pictureform = nullptr;
    QWidget* PictureBack = nullptr;
    DesignPictureBox* PictureContainer = nullptr;
    DesignPictureBox* PictureTest = nullptr;
    QScrollBar* HScrollBar = nullptr;
    QScrollBar* VScrollBar = nullptr;
};

// Inner size of a plain widget, in twips.
double innerWidthTwips(const QWidget* widget);
double innerHeightTwips(const QWidget* widget);

// The scroll bars along the right and bottom edges of Pictureform, PictureBack filling the rest;
// nothing changes while Pictureform is under 300 twips either way.
void ArrangeScrollBars(const CanvasSurfaces& s);
// The surface back at (240, 240), the scroll ranges from its size, then ArrangeScrollBars.
void LayoutScrollBars(const CanvasSurfaces& s);
void HScrollBar_Change(const CanvasSurfaces& s);
void VScrollBar_Change(const CanvasSurfaces& s);
// PictureTest covers the whole surface, at its top-left corner.
void PictureContainer_Resize(const CanvasSurfaces& s);

}  // namespace zelk
