#pragma once
// The forms combo box (drop-down items).

#include "platform/controls/propertycontrol.h"

namespace zelk {

struct ComboBoxProps {
    QString text;
    int backStyle = 1;
    int borderStyle = 0;
    std::int32_t borderColor = SysColor::WindowFrame;
    int specialEffect = 2;
    int textAlign = 1;
    bool locked = false;
    std::int32_t maxLength = 0;
    bool tabStop = true;
    int enterFieldBehavior = 0;
    bool operator==(const ComboBoxProps&) const = default;
};

using DesignComboBoxBase =
    PropertyControl<DesignFontControl, ComboBoxProps, TextProperty, BackStyleProperty,
                    BorderStyleProperty, BorderColorProperty, SpecialEffectProperty,
                    TextAlignProperty, InputProperties, TextEntryProperties>;

class DesignComboBox : public DesignComboBoxBase {
    Q_OBJECT
  public:
    explicit DesignComboBox(QWidget* parent = nullptr);
    ControlType controlType() const override { return ControlType::ComboBox; }
    void applyTemplate(DesignArray array) override;
    void copyPropertiesFrom(const DesignComboBox& other) { copyFrom(other); }

  protected:
    void paintEvent(QPaintEvent* event) override;
};

}  // namespace zelk
