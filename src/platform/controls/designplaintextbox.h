#pragma once
// The platform's plain single-line text box (date items). Unlike the forms text box it aligns
// with Alignment (0 left, 1 right, 2 centre) and has Appearance (0 flat, 1 3-D) for its look.

#include "platform/controls/propertycontrol.h"

namespace zelk {

struct PlainTextBoxProps {
    QString text;
    int alignment = 0;
    int appearance = 1;
    int borderStyle = 1;
    bool locked = false;
    bool tabStop = true;
    bool operator==(const PlainTextBoxProps&) const = default;
};

using DesignPlainTextBoxBase =
    PropertyControl<DesignFontControl, PlainTextBoxProps, TextProperty, AppearanceProperty,
                    BorderStyleProperty, InputProperties>;

class DesignPlainTextBox : public DesignPlainTextBoxBase {
    Q_OBJECT
  public:
    explicit DesignPlainTextBox(QWidget* parent = nullptr);
    ControlType controlType() const override { return ControlType::PlainTextBox; }
    void applyTemplate(DesignArray array) override;
    void copyPropertiesFrom(const DesignPlainTextBox& other) { copyFrom(other); }

    // 0 left, 1 right, 2 centre.
    int Alignment() const { return p_.alignment; }
    bool setAlignment(int alignment) {
        return set(p_.alignment, alignment, alignment >= 0 && alignment <= 2);
    }

  protected:
    void paintEvent(QPaintEvent* event) override;
};

}  // namespace zelk
