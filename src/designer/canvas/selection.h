#pragma once
// The canvas's selection: the current control (through CurrentControlState), the multiple
// selection in click order with one frame per selected box, and the tab-order numbering state.
// The keyboard, the mouse and the commands change it only through these operations.

#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

#include <QString>

#include "designer/canvas/currentcontrol.h"
#include "designer/canvas/indcateex.h"
#include "platform/controls/designcontrol.h"

namespace zelk {

// One entry of the multiple selection: the control's array name and its index in it.
struct ut_controlprop {
    QString Name;
    std::int32_t Index = 0;
    bool operator==(const ut_controlprop&) const = default;
};

class CanvasSelection {
  public:
    // The design control element `index` of the array named `name`, or nullptr.
    using ControlLookup = std::function<DesignControl*(const QString& name, std::int32_t index)>;

    // Frames are made on `container` for `form`.
    CanvasSelection(CurrentControlState& current, QWidget* form, QWidget* container,
                    ControlLookup lookup);
    ~CanvasSelection();
    CanvasSelection(const CanvasSelection&) = delete;
    CanvasSelection& operator=(const CanvasSelection&) = delete;

    DesignControl* CurrentControl() const { return current_.CurrentControl(); }
    void setCurrentControl(DesignControl* control) { current_.setCurrentControl(control); }
    CurrentControlState& current() { return current_; }

    const std::vector<ut_controlprop>& SelectedControls() const { return selected_; }
    const std::vector<std::unique_ptr<IndcateEx>>& SelectionFrames() const { return frames_; }
    bool isSelected(const DesignControl* ctrl) const;
    // The control an entry names (nullptr when it is gone).
    DesignControl* control(const ut_controlprop& entry) const;
    // The selected controls that still exist, in selection order.
    std::vector<DesignControl*> selectedControls() const;

    // Tab-order mode and the next entry-order number handed out in it.
    bool TabOrderMode = false;
    std::int32_t TabOrderCounter = 0;

    // Shift-click: adds the control with its frame, or takes it out (with its frame) when it is
    // selected already.
    void AddToSelection(DesignControl* ctrl);
    // Takes the control's entry and its frame out; an absent control changes nothing.
    void RemoveFromSelection(DesignControl* ctrl);
    // Empties the selection (frames stay: callers remove them first).
    void ClearSelection();
    // A frame of style 1 named "ExSize" & Name & Index around the control; lines get none.
    void ShowSizeHandles(DesignControl* ctrl);
    // Removes every frame, last first; the selection stays.
    void RemoveSizeHandles();
    // The frames again, in selection order, at the controls' present rectangles.
    void RedrawSelection();

    // Shift with an arrow key and more than one control selected: every selected box moves 15
    // twips and the frames follow. True when something moved.
    bool nudgeGroup(int keyCode, int shift);

  private:
    CurrentControlState& current_;
    QWidget* form_;
    QWidget* container_;
    ControlLookup lookup_;
    std::vector<ut_controlprop> selected_;
    std::vector<std::unique_ptr<IndcateEx>> frames_;
};

}  // namespace zelk
