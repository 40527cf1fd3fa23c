#pragma once
// What the canvas's mouse gestures read and change of a designer: its pick candidates and items,
// its modified flag, its scroll layout and its two context menus.

#include "designer/canvas/canvasmouse.h"

namespace zelk {

class DesignerBase;

class DesignerCanvasHost : public CanvasHost {
  public:
    explicit DesignerCanvasHost(DesignerBase& designer) : d_(designer) {}

    std::vector<DesignControl*> pickCandidates() const override;
    std::optional<std::int32_t> itemNo(const DesignControl* ctrl) const override;
    QString itemName(const DesignControl* ctrl) const override;
    bool numberedInTabOrder(const DesignControl* ctrl) const override;
    void setEntryOrder(const DesignControl* ctrl, std::int32_t order) override;
    void markModified() override;
    void LayoutScrollBars() override;
    void canvasResized() override;
    void popupItemMenu(DesignControl* ctrl, bool customItem, const QPoint& globalPos) override;

  private:
    // The item index a control's Tag holds (1 to ItemCount), or 0.
    std::int32_t itemIndex(const DesignControl* ctrl) const;
    DesignerBase& d_;
};

}  // namespace zelk
