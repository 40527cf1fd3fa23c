#pragma once
// The forms check box (check-box items of the item-search designer).

#include "platform/controls/propertycontrol.h"

namespace zelk {

struct CheckBoxProps {
    QString caption;
    int value = 0;
    int backStyle = 1;
    int specialEffect = 2;
    int textAlign = 1;
    bool locked = false;
    bool tabStop = true;
    bool wordWrap = true;
    bool tripleState = false;
    bool operator==(const CheckBoxProps&) const = default;
};

using DesignCheckBoxBase =
    PropertyControl<DesignFontControl, CheckBoxProps, CaptionProperty, BackStyleProperty,
                    TextAlignProperty, InputProperties, WordWrapProperty>;

class DesignCheckBox : public DesignCheckBoxBase {
    Q_OBJECT
  public:
    explicit DesignCheckBox(QWidget* parent = nullptr);
    ControlType controlType() const override { return ControlType::CheckBox; }
    void applyTemplate(DesignArray array) override;
    void copyPropertiesFrom(const DesignCheckBox& other) { copyFrom(other); }

    // 0 unchecked, 1 checked; any other number is taken as checked.
    int Value() const { return p_.value; }
    void setValue(int value) { set(p_.value, value != 0 ? 1 : 0); }
    // A check box shows only 0 (flat) and 2 (sunken), unlike the other kinds.
    int SpecialEffect() const { return p_.specialEffect; }
    bool setSpecialEffect(int effect) {
        return set(p_.specialEffect, effect, effect == 0 || effect == 2);
    }
    // Nothing in the designers sets it; the writer stores it.
    bool TripleState() const { return p_.tripleState; }
    void setTripleState(bool on) { set(p_.tripleState, on); }

  protected:
    void paintEvent(QPaintEvent* event) override;
};

}  // namespace zelk
