#pragma once
// Drawing on the screen and changing how other windows look.
//
// Rubber-band frames are given in screen pixels but drawn inside our own windows: a window that
// lets frames be drawn over part of it places a FrameOverlay there, and a frame goes to the
// overlay of the window under the frame's centre (none there: it is not drawn). No top-level or
// screen-wide window is ever made, so nothing is drawn outside our windows and a hidden window
// takes its frames with it. In the inverting modes, drawing a frame that is shown erases it, so
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

// A transparent layer over a widget (`area`, whose child it is and whose size it keeps) that shows
// the frames drawn over it, clipped to it and moving with it. It takes no mouse input; widgets
// that must stay above the frames are raised above it. Hiding it (or its window) drops its frames.
class FrameOverlay : public QWidget {
  public:
    explicit FrameOverlay(QWidget* area);
    ~FrameOverlay() override;

    // The frames shown, oldest first (as drawn: screen pixels).
    QList<ScreenFrame> frames() const;
    void clearFrames();

    // Used by the drawing calls: adds a frame; takes off an inverting frame that is shown.
    void addFrame(const ScreenFrame& frame);
    bool eraseFrame(const ScreenFrame& frame);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    struct Shown {
        ScreenFrame frame;
        QRect local;  // where it was drawn, in the overlay's own pixels
    };
    QList<Shown> shown_;
};

// What the overlays show now, oldest first.
QList<ScreenFrame> ScreenFramesShown();
// Takes every frame off the screen (a drag that ended abnormally), or only those shown in
// `window`'s overlays.
void ClearScreenFrames();
void ClearScreenFrames(QWidget* window);

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
