#pragma once
// The forms frame (frame items).

#include "platform/controls/propertycontrol.h"

namespace zelk {

struct FrameProps {
    QString caption;
    int borderStyle = 0;
    std::int32_t borderColor = SysColor::ButtonText;
    int specialEffect = 3;
    std::int32_t borderWidth = 1;
    bool operator==(const FrameProps&) const = default;
};

using DesignFrameBase =
    PropertyControl<DesignFontControl, FrameProps, CaptionProperty, FormsBorderProperties>;

class DesignFrame : public DesignFrameBase {
    Q_OBJECT
  public:
    explicit DesignFrame(QWidget* parent = nullptr);
    ControlType controlType() const override { return ControlType::Frame; }
    void applyTemplate(DesignArray array) override;
    void copyPropertiesFrom(const DesignFrame& other) { copyFrom(other); }

    // Width of the single border in pixels; negative refused.
    std::int32_t BorderWidth() const { return p_.borderWidth; }
    bool setBorderWidth(std::int32_t width) { return set(p_.borderWidth, width, width >= 0); }

  protected:
    void paintEvent(QPaintEvent* event) override;
};

}  // namespace zelk
