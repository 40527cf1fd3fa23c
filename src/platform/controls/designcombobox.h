#pragma once
// The forms combo box (drop-down items).

#include "platform/controls/propertycontrol.h"

namespace zelk {

using DesignComboBoxBase = PropertyControl<DesignFontControl, FormsTextProps, FormsTextProperties>;

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
