#pragma once
// The canvas's mouse gestures: a press picks, Shift-selects, starts a group drag, a line drag, a
// canvas resize or the move of the current control; moves draw the bands; the release applies
// them. Each handler runs a few numbered steps over one gesture state.

#include <array>
#include <cstdint>
#include <optional>
#include <vector>

#include <QLineEdit>
#include <QPoint>
#include <QPointF>
#include <QRect>
#include <QString>

#include "designer/canvas/lineindcate.h"
#include "designer/canvas/mouseevents.h"
#include "designer/canvas/selection.h"
#include "designer/canvas/sizehandles.h"
#include "platform/controls/designpicturebox.h"

namespace zelk {

// What one gesture keeps between its press, its moves and its release.
struct CanvasGesture {
    std::int32_t MouseDownX = 0;  // twips, rounded
    std::int32_t MouseDownY = 0;
    bool GroupDragging = false;
    bool LineDragging = false;
    std::int32_t LineGrabX1 = 0;
    std::int32_t LineGrabY1 = 0;
    std::int32_t LineGrabX2 = 0;
    std::int32_t LineGrabY2 = 0;
    bool CanvasResizing = false;
    float CanvasDownX = 0;
    std::int32_t CanvasDownY = 0;
    float CanvasStartWidth = 0;
    std::int32_t CanvasStartHeight = 0;
    int HandleDragging = 0;
    QRect HandleStartRect;  // screen pixels, corners as left, top, right, bottom
    QRect HandleFrameRect;
};

// What the gestures need of their designer.
class CanvasHost {
  public:
    virtual ~CanvasHost() = default;
    // The pick candidates, front-most first: visible design controls of the picked arrays that
    // stand on the background layer.
    virtual std::vector<DesignControl*> pickCandidates() const = 0;
    // The ItemNo of the control's item, or nothing when its Tag names no item.
    virtual std::optional<std::int32_t> itemNo(const DesignControl* ctrl) const = 0;
    virtual QString itemName(const DesignControl* ctrl) const = 0;
    // Tab-order mode numbers the eight input arrays only.
    virtual bool numberedInTabOrder(const DesignControl* ctrl) const = 0;
    virtual void setEntryOrder(const DesignControl* ctrl, std::int32_t order) = 0;
    virtual void markModified() = 0;
    virtual void LayoutScrollBars() = 0;
    // The canvas took a new size: its background layer follows.
    virtual void canvasResized() = 0;
    // Makes `ctrl`'s index the one the menus act on and pops up the custom-item menu or the item
    // menu at a screen point; runs the chosen entry.
    virtual void popupItemMenu(DesignControl* ctrl, bool customItem, const QPoint& globalPos) = 0;
    // The screen's twips per pixel, for the line band.
    virtual double twipsPerPixelX() const { return 15; }
    virtual double twipsPerPixelY() const { return 15; }
};

class CanvasMouse {
  public:
    CanvasMouse(CanvasSelection& selection, SizeHandles& handles, LineIndcate& sizeline,
                DesignPictureBox* canvas, std::array<QLineEdit*, 4> positionBoxes,
                CanvasHost& host);

    CanvasGesture state;
    // Designer hook: the item-entry designer starts no handle drag in tab-order mode.
    bool tabOrderBlocksHandleDrag = false;

    void pic_MouseDown(int index, int button, int shift, float x, float y);
    void pic_MouseMove(int index, int button, int shift, float x, float y);
    void pic_MouseUp(int index, int button, int shift, float x, float y);
    void PictureContainer_MouseDown(int button, int shift, float x, float y);
    void PictureContainer_MouseMove(int button, int shift, float x, float y);
    void PictureContainer_MouseUp(int button, int shift, float x, float y);

    // The box or line under (x, y) by the selection's rectangle test (lines by their band).
    bool HitTestLines(DesignControl* ctrl, float x, float y) const;

    // Hands the mouse events of the canvas and of the size and line handles to the handlers. From a
    // press on the canvas or on a size handle to its release the canvas holds the mouse, since the
    // press may hide or remove the widget it landed on (a hidden widget loses the mouse); a size
    // handle's gesture stays that handle's. A press or a move without a button while a gesture is
    // still under way means its release never came: the gesture is cancelled first.
    void route(QObject* watched, MousePhase phase, const MouseArgs& args);

    // A handle drag, a group drag, a line or line-end drag or a canvas resize is under way.
    bool gestureActive() const;
    // Ends the gesture under way without applying what is pending (a handle band, a group move):
    // its outlines go, the handles come back, the mouse is let go. False when none was under way.
    bool cancelGesture();

  private:
    // Mouse-down steps.
    bool startCanvasResize(int button, float x, float y);
    void testSelection(float x, float y);
    void startGroupDrag(int button, int shift, float x, float y);
    bool pickWalk(int shift, float x, float y);
    void emptyCanvas();
    void startMove(int button, int shift, float x, float y);
    void numberTabOrder();
    // Mouse-move steps.
    void dragGroupOutlines(int button, int shift, float x, float y);
    void showEdgePointer(float x, float y);
    bool moveLine(float x, float y);
    void resizeCanvas(int button, float x, float y);
    // Mouse-up steps.
    void applyGroupMove(int button, int shift, float x, float y);
    void endCanvasResize();
    void popupContextMenu(float x, float y);

    QPoint toScreen(int px, int py) const;
    QPoint fromScreen(const QPoint& p) const;
    void showBandInBoxes();
    void holdMouse();
    void letGoOfMouse();

    CanvasSelection& selection_;
    SizeHandles& handles_;
    LineIndcate& sizeline_;
    DesignPictureBox* canvas_;
    std::array<QLineEdit*, 4> boxes_;
    CanvasHost& host_;
    int activeHandle_ = 0;  // the size handle pressed, until the release
    QPointF handleOrigin_;  // its place on the canvas at the press, twips
    bool holdingMouse_ = false;
};

}  // namespace zelk
