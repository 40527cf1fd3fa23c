#pragma once
// The forms text box: single-line items, memo boxes (MultiLine), multimedia, sub-table and postil
// items, and in the item-entry designer also check-box and list-box items.

#include "platform/controls/designcontrol.h"

namespace zelk {

class DesignTextBox : public DesignFontControl {
    Q_OBJECT
  public:
    explicit DesignTextBox(QWidget* parent = nullptr);
    ControlType controlType() const override { return ControlType::TextBox; }
    void applyTemplate(DesignArray array) override;
    void copyPropertiesFrom(const DesignTextBox& other);

    QString Text() const { return p_.text; }
    void setText(const QString& text);
    bool AutoSize() const { return p_.autoSize; }
    void setAutoSize(bool on);
    // 0 transparent, 1 opaque.
    int BackStyle() const { return p_.backStyle; }
    bool setBackStyle(int style);
    // 0 none, 1 single.
    int BorderStyle() const { return p_.borderStyle; }
    bool setBorderStyle(int style);
    std::int32_t BorderColor() const { return p_.borderColor; }
    bool setBorderColor(std::int32_t color);
    // 0, 1, 2, 3 or 6.
    int SpecialEffect() const { return p_.specialEffect; }
    bool setSpecialEffect(int effect);
    // 1 left, 2 centre, 3 right.
    int TextAlign() const { return p_.textAlign; }
    bool setTextAlign(int align);
    bool Locked() const { return p_.locked; }
    void setLocked(bool on);
    // 0 = no limit; negative refused.
    std::int32_t MaxLength() const { return p_.maxLength; }
    bool setMaxLength(std::int32_t length);
    bool TabStop() const { return p_.tabStop; }
    void setTabStop(bool on);
    bool WordWrap() const { return p_.wordWrap; }
    void setWordWrap(bool on);
    bool MultiLine() const { return p_.multiLine; }
    void setMultiLine(bool on);
    // 0 select all, 1 recall selection.
    int EnterFieldBehavior() const { return p_.enterFieldBehavior; }
    bool setEnterFieldBehavior(int behavior);
    bool EnterKeyBehavior() const { return p_.enterKeyBehavior; }
    void setEnterKeyBehavior(bool on);
    bool HideSelection() const { return p_.hideSelection; }
    void setHideSelection(bool on);
    bool IntegralHeight() const { return p_.integralHeight; }
    void setIntegralHeight(bool on);

    struct Props {
        QString text;
        bool autoSize = false;
        int backStyle = 1;
        int borderStyle = 0;
        std::int32_t borderColor = SysColor::WindowFrame;
        int specialEffect = 2;
        int textAlign = 1;
        bool locked = false;
        std::int32_t maxLength = 0;
        bool tabStop = true;
        bool wordWrap = true;
        bool multiLine = false;
        int enterFieldBehavior = 0;
        bool enterKeyBehavior = false;
        bool hideSelection = true;
        bool integralHeight = true;
        bool operator==(const Props&) const = default;
    };
    const Props& props() const { return p_; }

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    Props p_;
};

}  // namespace zelk
