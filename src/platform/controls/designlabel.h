#pragma once
// The label: item labels, caption labels and custom labels.

#include "platform/controls/propertycontrol.h"

namespace zelk {

struct LabelProps {
    QString caption;
    bool autoSize = false;
    bool wordWrap = true;
    int backStyle = 1;
    int borderStyle = 0;
    std::int32_t borderColor = SysColor::WindowFrame;
    int specialEffect = 0;
    int textAlign = 1;
    bool operator==(const LabelProps&) const = default;
};

using DesignLabelBase =
    PropertyControl<DesignFontControl, LabelProps, CaptionProperty, AutoSizeProperty,
                    WordWrapProperty, BackStyleProperty, FormsBorderProperties, TextAlignProperty>;

class DesignLabel : public DesignLabelBase {
    Q_OBJECT
  public:
    explicit DesignLabel(QWidget* parent = nullptr);
    ControlType controlType() const override { return ControlType::Label; }
    void applyTemplate(DesignArray array) override;
    void copyPropertiesFrom(const DesignLabel& other) { copyFrom(other); }

  protected:
    void paintEvent(QPaintEvent* event) override;
};

}  // namespace zelk
