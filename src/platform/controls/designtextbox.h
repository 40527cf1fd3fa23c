#pragma once
// The forms text box: single-line items, memo boxes (MultiLine), multimedia, sub-table and postil
// items, and in the item-entry designer also check-box and list-box items.

#include "platform/controls/propertycontrol.h"

namespace zelk {

// What the combo box has, and the text box's own.
struct TextBoxProps : FormsTextProps {
    bool autoSize = false;
    bool wordWrap = true;
    bool multiLine = false;
    bool enterKeyBehavior = false;
    bool hideSelection = true;
    bool integralHeight = true;
    bool operator==(const TextBoxProps&) const = default;
};

using DesignTextBoxBase =
    PropertyControl<DesignFontControl, TextBoxProps, FormsTextProperties, AutoSizeProperty,
                    WordWrapProperty, IntegralHeightProperty>;

class DesignTextBox : public DesignTextBoxBase {
    Q_OBJECT
  public:
    explicit DesignTextBox(QWidget* parent = nullptr);
    ControlType controlType() const override { return ControlType::TextBox; }
    void applyTemplate(DesignArray array) override;
    void copyPropertiesFrom(const DesignTextBox& other) { copyFrom(other); }

    bool MultiLine() const { return p_.multiLine; }
    void setMultiLine(bool on) { set(p_.multiLine, on); }
    bool EnterKeyBehavior() const { return p_.enterKeyBehavior; }
    void setEnterKeyBehavior(bool on) { set(p_.enterKeyBehavior, on); }
    bool HideSelection() const { return p_.hideSelection; }
    void setHideSelection(bool on) { set(p_.hideSelection, on); }

  protected:
    void paintEvent(QPaintEvent* event) override;
};

}  // namespace zelk
