#include "designer/canvas/canvasmouse.h"

#include <cmath>
#include <utility>

#include "designer/canvas/currentcontrol.h"
#include "designer/canvas/hittest.h"
#include "platform/controls/designline.h"
#include "platform/screen.h"

namespace zelk {

namespace {

constexpr double kEdgeZone = 120;
constexpr int kMoveHandle = 5;

std::int32_t whole(double v) {
    return static_cast<std::int32_t>(std::nearbyint(v));  // halves to the even neighbour
}

DesignBox* asBox(DesignControl* c) {
    return c && !asLine(c) ? static_cast<DesignBox*>(c) : nullptr;
}

void drawBand(const QRect& r) {
    DrawFocusFrame(r.left(), r.top(), r.right(), r.bottom());
}

}  // namespace

CanvasMouse::CanvasMouse(CanvasSelection& selection, SizeHandles& handles, LineIndcate& sizeline,
                         DesignPictureBox* canvas, std::array<QLineEdit*, 4> positionBoxes,
                         CanvasHost& host)
    : selection_(selection),
      handles_(handles),
      sizeline_(sizeline),
      canvas_(canvas),
      boxes_(positionBoxes),
      host_(host) {}

QPoint CanvasMouse::toScreen(int px, int py) const {
    return canvas_->mapToGlobal(QPoint(px, py));
}

QPoint CanvasMouse::fromScreen(const QPoint& p) const {
    return canvas_->mapFromGlobal(p);
}

bool CanvasMouse::HitTestLines(DesignControl* ctrl, float x, float y) const {
    if (DesignLine* line = asLine(ctrl))
        return HitTestLineBand(line->X1(), line->Y1(), line->X2(), line->Y2(), x, y,
                               host_.twipsPerPixelX(), host_.twipsPerPixelY());
    if (DesignBox* box = asBox(ctrl))
        return HitTestBox(box->Left(), box->Top(), box->Width(), box->Height(), x, y);
    return false;
}

// ---- Size handles ------------------------------------------------------------------------

void CanvasMouse::pic_MouseDown(int, int, int, float x, float y) {
    CanvasGesture& g = state;
    if (tabOrderBlocksHandleDrag && selection_.TabOrderMode) {
        g.HandleDragging = 0;
        return;
    }
    DesignBox* box = asBox(selection_.CurrentControl());
    if (!box) return;
    g.HandleDragging = 1;
    const QPoint a =
        toScreen(whole(box->Left() / kTwipsPerPixel), whole(box->Top() / kTwipsPerPixel));
    const QPoint b = toScreen(whole((box->Width() + box->Left()) / kTwipsPerPixel),
                              whole((box->Height() + box->Top()) / kTwipsPerPixel));
    g.HandleStartRect = QRect(a, b);
    g.HandleFrameRect = g.HandleStartRect;
    g.MouseDownX = whole(x);
    g.MouseDownY = whole(y);
    drawBand(g.HandleFrameRect);
    handles_.HidePic();
}

void CanvasMouse::pic_MouseMove(int index, int, int, float x, float y) {
    CanvasGesture& g = state;
    if (g.HandleDragging != 1) return;
    drawBand(g.HandleFrameRect);
    const double dx = (x - g.MouseDownX) / kTwipsPerPixel;
    const double dy = (y - g.MouseDownY) / kTwipsPerPixel;
    const QRect& s = g.HandleStartRect;
    QRect& f = g.HandleFrameRect;
    const bool left = index == 1 || index == 3 || index == 5;
    const bool right = index == 2 || index == 4 || index == 5;
    const bool top = index == 1 || index == 2 || index == 5;
    const bool bottom = index == 3 || index == 4 || index == 5;
    if (left) f.setLeft(whole(s.left() + dx));
    if (right) f.setRight(whole(s.right() + dx));
    if (top) f.setTop(whole(s.top() + dy));
    if (bottom) f.setBottom(whole(s.bottom() + dy));
    if (index == 1 || index == 4) canvas_->setMousePointer(8);
    if (index == 2 || index == 3) canvas_->setMousePointer(6);
    drawBand(f);
    // The design is marked modified by the release, when the band changed the control.
    showBandInBoxes();
}

void CanvasMouse::showBandInBoxes() {
    const QRect& f = state.HandleFrameRect;
    const QPoint a = fromScreen(f.topLeft());
    const QPoint b = fromScreen(QPoint(f.right(), f.bottom()));
    const int values[4] = {a.x() * 15, a.y() * 15, (b.x() - a.x()) * 15, (b.y() - a.y()) * 15};
    CurrentControlState& current = selection_.current();
    current.UpdatingGeometry = true;
    for (std::size_t i = 0; i < 4; ++i)
        if (boxes_[i]) boxes_[i]->setText(QString::number(values[i]));
    current.UpdatingGeometry = false;
}

void CanvasMouse::pic_MouseUp(int index, int, int, float, float) {
    CanvasGesture& g = state;
    // A click on a control (its move never left the start) selects it and leaves it in place.
    if (g.HandleDragging == 1 && index == kMoveHandle && g.HandleFrameRect == g.HandleStartRect) {
        drawBand(g.HandleFrameRect);
        g.HandleDragging = 0;
    }
    if (g.HandleDragging == 1) {
        drawBand(g.HandleFrameRect);
        QPoint a = fromScreen(g.HandleFrameRect.topLeft());
        QPoint b = fromScreen(QPoint(g.HandleFrameRect.right(), g.HandleFrameRect.bottom()));
        int l = a.x(), t = a.y(), r = b.x(), bt = b.y();
        if (l > r) std::swap(l, r);
        if (t > bt) std::swap(t, bt);
        if (DesignBox* box = asBox(selection_.CurrentControl())) {
            const double before[4] = {box->Left(), box->Top(), box->Width(), box->Height()};
            box->setLeft(l * 15);
            box->setTop(t * 15);
            box->setWidth((r - l) * 15);
            box->setHeight((bt - t) * 15);
            const double after[4] = {box->Left(), box->Top(), box->Width(), box->Height()};
            if (!std::equal(before, before + 4, after)) host_.markModified();
        }
        g.HandleDragging = 0;
    }
    selection_.current().VBSelectControl(selection_.CurrentControl());
}

// ---- Canvas press -------------------------------------------------------------------------

void CanvasMouse::PictureContainer_MouseDown(int button, int shift, float x, float y) {
    if (startCanvasResize(button, x, y)) return;
    testSelection(x, y);
    state.MouseDownX = whole(x);
    state.MouseDownY = whole(y);
    if (state.GroupDragging) {
        startGroupDrag(button, shift, x, y);
        return;
    }
    const bool found = pickWalk(shift, x, y);
    if (!found) emptyCanvas();
    startMove(button, shift, x, y);
    numberTabOrder();
}

// Step 1: a left press while an edge pointer shows starts resizing the canvas.
bool CanvasMouse::startCanvasResize(int button, float x, float y) {
    const int pointer = canvas_->MousePointer();
    if (button != 1 || (pointer != 7 && pointer != 8 && pointer != 9)) return false;
    state.CanvasResizing = true;
    state.CanvasDownX = x;
    state.CanvasDownY = whole(y);
    state.CanvasStartWidth = static_cast<float>(canvas_->Width());
    state.CanvasStartHeight = whole(canvas_->Height());
    return true;
}

// Step 2: a press on a selected control drags the whole selection.
void CanvasMouse::testSelection(float x, float y) {
    state.GroupDragging = false;
    for (const ut_controlprop& entry : selection_.SelectedControls()) {
        DesignControl* c = selection_.control(entry);
        if (c && HitTestLines(c, x, y)) {
            state.GroupDragging = true;
            return;
        }
    }
}

// Step 4: every frame starts its outline through its move handle.
void CanvasMouse::startGroupDrag(int button, int shift, float x, float y) {
    for (const auto& frame : selection_.SelectionFrames())
        frame->onIndcatesMouseDown(frame->moveHandleName(), button, shift, x, y);
}

// Step 5: the front-most box under the pointer is picked; a line by its band when its item
// number beats what was met before it.
bool CanvasMouse::pickWalk(int shift, float x, float y) {
    std::int32_t best = -32768;
    bool found = false;
    for (DesignControl* c : host_.pickCandidates()) {
        if (!HitTestLines(c, x, y)) continue;
        // A control whose Tag names no item is no candidate.
        const std::optional<std::int32_t> number = host_.itemNo(c);
        if (!number) continue;
        if (DesignLine* line = asLine(c)) {
            if (*number > best) {
                best = *number;
                selection_.current().VBSelectControl(line);
                found = true;
            }
            continue;
        }
        if (*number <= best) continue;
        if (shift == 1) {
            handles_.HidePic();
            sizeline_.HideIndcates();
            selection_.setCurrentControl(nullptr);
            selection_.AddToSelection(c);
        } else {
            selection_.RemoveSizeHandles();
            selection_.ClearSelection();
            selection_.current().VBSelectControl(c);
        }
        return true;
    }
    return found;
}

// Step 6: a press on empty canvas leaves no current control; the selection stays.
void CanvasMouse::emptyCanvas() {
    if (!selection_.CurrentControl()) return;
    handles_.HidePic();
    selection_.setCurrentControl(nullptr);
    sizeline_.HideIndcates();
}

// Step 7: the picked control follows the mouse: a line directly, a box through pic(5).
void CanvasMouse::startMove(int button, int shift, float x, float y) {
    DesignControl* current = selection_.CurrentControl();
    if (!current) return;
    if (DesignLine* line = asLine(current)) {
        state.LineDragging = true;
        state.LineGrabX1 = whole(x - line->X1());
        state.LineGrabY1 = whole(y - line->Y1());
        state.LineGrabX2 = whole(x - line->X2());
        state.LineGrabY2 = whole(y - line->Y2());
        return;
    }
    pic_MouseDown(kMoveHandle, button, shift, x, y);
}

// Step 8: in tab-order mode an input control takes the next entry-order number.
void CanvasMouse::numberTabOrder() {
    DesignControl* current = selection_.CurrentControl();
    if (!current || !selection_.TabOrderMode) return;
    if (host_.numberedInTabOrder(current)) {
        ++selection_.TabOrderCounter;
        host_.setEntryOrder(current, selection_.TabOrderCounter);
        host_.markModified();
    }
    state.CanvasResizing = false;
}

// ---- Canvas move --------------------------------------------------------------------------

void CanvasMouse::PictureContainer_MouseMove(int button, int shift, float x, float y) {
    if (state.GroupDragging) {
        dragGroupOutlines(button, shift, x, y);
        return;
    }
    if (!state.CanvasResizing) showEdgePointer(x, y);
    if (moveLine(x, y)) return;
    resizeCanvas(button, x, y);
    if (selection_.CurrentControl() && !state.CanvasResizing) {
        pic_MouseMove(kMoveHandle, button, shift, x, y);
        selection_.current().ShowControlGeometry();
    }
}

void CanvasMouse::dragGroupOutlines(int button, int shift, float x, float y) {
    if (selection_.SelectedControls().empty()) return;
    for (const auto& frame : selection_.SelectionFrames())
        frame->onIndcatesMouseMove(frame->moveHandleName(), button, shift, x, y);
}

void CanvasMouse::showEdgePointer(float x, float y) {
    const bool nearRight = x > canvas_->Width() - kEdgeZone;
    const bool nearBottom = y > canvas_->Height() - kEdgeZone;
    canvas_->setMousePointer(nearRight && nearBottom ? 8 : nearRight ? 9 : nearBottom ? 7 : 0);
}

bool CanvasMouse::moveLine(float x, float y) {
    DesignLine* line = asLine(selection_.CurrentControl());
    if (!state.LineDragging || !line) return false;
    sizeline_.HideIndcates();
    const double to[4] = {x - state.LineGrabX1, y - state.LineGrabY1, x - state.LineGrabX2,
                          y - state.LineGrabY2};
    if (to[0] != line->X1() || to[1] != line->Y1() || to[2] != line->X2() || to[3] != line->Y2())
        host_.markModified();
    line->setX1(to[0]);
    line->setY1(to[1]);
    line->setX2(to[2]);
    line->setY2(to[3]);
    return true;
}

// A size below zero is not applied; the drag goes on.
void CanvasMouse::resizeCanvas(int button, float x, float y) {
    if (!state.CanvasResizing || button != 1) return;
    const int pointer = canvas_->MousePointer();
    const double width = x + (state.CanvasStartWidth - state.CanvasDownX);
    const double height = y + (state.CanvasStartHeight - state.CanvasDownY);
    bool changed = false;
    if ((pointer == 8 || pointer == 9) && width >= 0 && width != canvas_->Width())
        changed = canvas_->setWidth(width) || changed;
    if ((pointer == 8 || pointer == 7) && height >= 0 && height != canvas_->Height())
        changed = canvas_->setHeight(height) || changed;
    if (!changed) return;
    host_.canvasResized();
    host_.markModified();
}

// ---- Canvas release -----------------------------------------------------------------------

void CanvasMouse::PictureContainer_MouseUp(int button, int shift, float x, float y) {
    if (state.GroupDragging) {
        applyGroupMove(button, shift, x, y);
    } else {
        state.LineDragging = false;
        endCanvasResize();
        canvas_->setMousePointer(0);
        // The pending move lands first, so that a menu command acts on the moved control.
        if (selection_.CurrentControl()) pic_MouseUp(kMoveHandle, button, shift, x, y);
        if (selection_.CurrentControl() && button == 2) popupContextMenu(x, y);
    }
    canvas_->update();
}

void CanvasMouse::applyGroupMove(int button, int shift, float x, float y) {
    if (selection_.SelectedControls().empty()) return;
    for (const auto& frame : selection_.SelectionFrames())
        frame->onIndcatesMouseUp(frame->moveHandleName(), button, shift, x, y);
    const double dx = x - state.MouseDownX;
    const double dy = y - state.MouseDownY;
    bool moved = false;
    for (DesignControl* c : selection_.selectedControls())
        if (DesignBox* box = asBox(c))
            if (dx != 0 || dy != 0) moved = box->Move(box->Left() + dx, box->Top() + dy) || moved;
    selection_.RedrawSelection();
    if (moved) host_.markModified();
}

void CanvasMouse::endCanvasResize() {
    if (!state.CanvasResizing) return;
    host_.LayoutScrollBars();
    state.CanvasResizing = false;
}

void CanvasMouse::popupContextMenu(float x, float y) {
    DesignControl* current = selection_.CurrentControl();
    const bool custom = host_.itemName(current).left(3) == QStringLiteral("自定义");
    host_.popupItemMenu(
        current, custom,
        canvas_->mapToGlobal(QPoint(whole(x / kTwipsPerPixel), whole(y / kTwipsPerPixel))));
    host_.markModified();
    // The command may have made another control current (a copy): its handles follow it.
    if (DesignControl* after = selection_.CurrentControl())
        selection_.current().VBSelectControl(after);
}

// ---- Cancelling ---------------------------------------------------------------------------

bool CanvasMouse::gestureActive() const {
    if (state.HandleDragging == 1 || activeHandle_ || state.LineDragging || state.CanvasResizing ||
        sizeline_.dragging())
        return true;
    for (const auto& frame : selection_.SelectionFrames())
        if (frame->Armed()) return true;
    return false;
}

bool CanvasMouse::cancelGesture() {
    if (!gestureActive()) {
        letGoOfMouse();
        return false;
    }
    CanvasGesture& g = state;
    if (g.HandleDragging == 1) drawBand(g.HandleFrameRect);  // erased; the control stays
    g.HandleDragging = 0;
    activeHandle_ = 0;
    for (const auto& frame : selection_.SelectionFrames()) frame->cancelDrag();
    sizeline_.cancelDrag();
    g.LineDragging = false;
    endCanvasResize();
    canvas_->setMousePointer(0);
    letGoOfMouse();
    ClearScreenFrames(canvas_);
    if (DesignControl* current = selection_.CurrentControl())
        selection_.current().VBSelectControl(current);
    return true;
}

void CanvasMouse::holdMouse() {
    canvas_->grabMouse();
    holdingMouse_ = true;
}

void CanvasMouse::letGoOfMouse() {
    if (!holdingMouse_) return;
    holdingMouse_ = false;
    canvas_->releaseMouse();
}

// ---- Event routing ------------------------------------------------------------------------

void CanvasMouse::route(QObject* watched, MousePhase phase, const MouseArgs& a) {
    if ((phase == MousePhase::Down || (phase == MousePhase::Move && a.button == 0)) &&
        gestureActive())
        cancelGesture();
    for (int i = 1; i <= 5; ++i) {
        DesignPictureBox* box = handles_.pic.find(i);
        if (!box || watched != box) continue;
        if (phase == MousePhase::Down) {
            activeHandle_ = i;
            handleOrigin_ = QPointF(box->Left(), box->Top());
            // The handle hides as its band starts: the canvas takes the rest of the gesture.
            holdMouse();
            pic_MouseDown(i, a.button, a.shift, a.x, a.y);
            if (state.HandleDragging != 1) {
                activeHandle_ = 0;
                letGoOfMouse();
            }
        } else if (phase == MousePhase::Move) {
            pic_MouseMove(activeHandle_ ? activeHandle_ : i, a.button, a.shift, a.x, a.y);
        } else {
            letGoOfMouse();
            pic_MouseUp(activeHandle_ ? activeHandle_ : i, a.button, a.shift, a.x, a.y);
            activeHandle_ = 0;
        }
        return;
    }
    const QString name = watched->objectName();
    if (watched == sizeline_.pic10() || watched == sizeline_.pic20() ||
        watched == sizeline_.pic30()) {
        if (phase == MousePhase::Down && a.button == 1)
            sizeline_.onIndcatesMouseDown(name, a.button, a.shift, a.x, a.y);
        else if (phase == MousePhase::Move && a.button == 1)
            sizeline_.onIndcatesMouseMove(name, a.button, a.shift, a.x, a.y);
        else if (phase == MousePhase::Up)
            sizeline_.onIndcatesMouseUp(name, a.button, a.shift, a.x, a.y);
        return;
    }
    if (watched != canvas_) return;
    if (activeHandle_) {
        // The pressed handle hid itself: the canvas delivers the rest of its gesture.
        const float hx = static_cast<float>(a.x - handleOrigin_.x());
        const float hy = static_cast<float>(a.y - handleOrigin_.y());
        if (phase == MousePhase::Move) {
            pic_MouseMove(activeHandle_, a.button, a.shift, hx, hy);
        } else if (phase == MousePhase::Up) {
            letGoOfMouse();
            pic_MouseUp(activeHandle_, a.button, a.shift, hx, hy);
            activeHandle_ = 0;
        }
        return;
    }
    if (phase == MousePhase::Down) {
        // The press may remove the widget it landed on (a frame's handle): the canvas keeps it.
        holdMouse();
        PictureContainer_MouseDown(a.button, a.shift, a.x, a.y);
    } else if (phase == MousePhase::Move) {
        PictureContainer_MouseMove(a.button, a.shift, a.x, a.y);
    } else {
        letGoOfMouse();  // before a context menu takes the mouse
        PictureContainer_MouseUp(a.button, a.shift, a.x, a.y);
    }
}

}  // namespace zelk
