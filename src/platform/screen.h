#pragma once
// Drawing on the screen and changing how other windows look.
//
// Rubber-band frames go to one screen-wide overlay (a transparent window above everything) that
// keeps the frames it shows. In the inverting modes, drawing a frame that is shown erases it, so
// drawing the same frame twice leaves the screen as it was, as the designers expect.

#include <QList>
#include <QRect>
#include <QWidget>
#include <cstdint>

namespace zelk {

// Raster modes the callers pass: the inverting ones toggle a frame.
enum RasterMode : int { R2_NOT = 6, R2_XORPEN = 7, R2_NOTXORPEN = 10, R2_COPYPEN = 13 };

struct ScreenFrame {
    QRect rect;  // screen pixels, left/top inclusive, right/bottom exclusive as drawn
    int penStyle = 0;
    int penWidth = 1;
    std::int32_t penColor = 0;
    int rasterMode = R2_NOTXORPEN;
    bool focusFrame = false;  // drawn as four lines rather than a rectangle
    bool operator==(const ScreenFrame&) const = default;
};

// Draws a rectangle's outline (screen pixels) with the pen and mode.
void DrawScreenRect(int left, int top, int right, int bottom, int penStyle, int penWidth,
                    std::int32_t penColor, int rasterMode);
// The size handles' frame: 1-pixel solid blue, inverting.
void DrawFocusFrame(const QRect& rect);
void DrawFocusFrame(int left, int top, int right, int bottom);

// What the overlay shows now, oldest first.
QList<ScreenFrame> ScreenFramesShown();
// Takes every frame off the screen (a drag that ended abnormally).
void ClearScreenFrames();
// The overlay window itself (nullptr before the first frame), for tests and grabbing.
QWidget* screenOverlayWidget();

// The window's border edges, as flags: client edge (deep sunken) 0x200, static edge (thin) 0x20000.
enum WindowEdge : int { WS_EX_CLIENTEDGE = 0x200, WS_EX_STATICEDGE = 0x20000 };
// Flag true: no client edge, a static edge. Flag false: adds the client edge (a static edge
// stays). Frames (QFrame) show the edge; the flags are kept on every widget.
void SetSunkenBorder(QWidget* window, bool flag);
int windowEdges(const QWidget* window);

// Makes `window` a borderless child of the host window with that native id: a window of this
// process is reparented; a foreign one gets our window as a native child. False when no window
// has that id.
bool EmbedInHostWindow(QWidget* window, quintptr hostWindowId);

// Flips a list's column header between push-button look (clickable sections) and flat look; two
// calls give back what was there. `owner` is the window that holds the list. The list is a
// QTreeView (QTreeWidget) or QTableView; anything else is left alone.
void ToggleHeaderButtons(QWidget* owner, QWidget* listView);
// Whether the list's header has the push-button look now.
bool headerHasButtons(const QWidget* listView);

}  // namespace zelk
