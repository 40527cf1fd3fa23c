#pragma once
// The current control of a designer's canvas: the control last made current, its size handles
// (or the end-point handles of a line), the status text with its corners and the four position
// boxes, which show its geometry and move or size it when typed into. The keyboard's Ctrl and
// Shift steps act on it too.

#include <array>
#include <functional>

#include <QLineEdit>
#include <QPointer>
#include <QString>

#include "designer/canvas/lineindcate.h"
#include "designer/canvas/sizehandles.h"
#include "platform/controls/designcontrol.h"

namespace zelk {

class CurrentControlState {
  public:
    using StatusWriter = std::function<void(const QString&)>;

    CurrentControlState(SizeHandles& handles, LineIndcate& sizeline,
                        std::array<QLineEdit*, 4> positionBoxes, StatusWriter setStatusText);

    // The current control, or nullptr.
    DesignControl* CurrentControl() const { return current_; }
    void setCurrentControl(DesignControl* control) { current_ = control; }
    // True while code writes the position boxes, so that their change handlers ignore it.
    bool UpdatingGeometry = false;

    // Makes `ctrl` current and shows its handles, corners and geometry. A hidden control (or
    // none) changes nothing, unless `hiddenToo`: a hidden item picked from the field tree
    // becomes current with its handles at its place, so that it can be edited or deleted.
    void VBSelectControl(DesignControl* ctrl, bool hiddenToo = false);
    // The current control's Left, Top, Width, Height (a line's X1, Y1, X2, Y2) in the boxes. A box
    // the user is typing in (it has the keys) for the control the boxes show is left as the user
    // has it; once another control is current, or `always`, every box shows the current one.
    void ShowControlGeometry(bool always = false);

    // Box `box` (1 to 4) now holds `text`: writes it into the current control. True when the
    // control changed. A text that is no whole number, or a value the control or a window could
    // not take (beyond 32767 pixels either way, a negative size), changes nothing and shows
    // "当前未选中控件或属性值无效".
    bool positionBoxChanged(int box, const QString& text);
    // Whether one of the position boxes has the keys.
    bool typingInPositionBox() const;

    // The arrow keys with Ctrl (move) or Shift (size, top-left corner fixed), 15 twips a step.
    // True when the current control changed.
    bool nudge(int keyCode, int shift);

    // Plain decimal text of a coordinate, as the status bar and the boxes show it.
    static QString coordinateText(double value);

  private:
    SizeHandles& handles_;
    LineIndcate& sizeline_;
    std::array<QLineEdit*, 4> boxes_;
    StatusWriter setStatusText_;
    QPointer<DesignControl> current_;
    QPointer<DesignControl> shown_;  // the control whose geometry the boxes show
};

// The design line, or nullptr for a control that is not one.
class DesignLine;
DesignLine* asLine(DesignControl* control);

}  // namespace zelk
