#pragma once
// The forms combo box (drop-down items).

#include "platform/controls/designcontrol.h"

namespace zelk {

class DesignComboBox : public DesignFontControl {
    Q_OBJECT
  public:
    explicit DesignComboBox(QWidget* parent = nullptr);
    ControlType controlType() const override { return ControlType::ComboBox; }
    void applyTemplate(DesignArray array) override;
    void copyPropertiesFrom(const DesignComboBox& other);

    QString Text() const { return p_.text; }
    void setText(const QString& text);
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
    // 0 select all, 1 recall selection.
    int EnterFieldBehavior() const { return p_.enterFieldBehavior; }
    bool setEnterFieldBehavior(int behavior);

    struct Props {
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
        bool operator==(const Props&) const = default;
    };
    const Props& props() const { return p_; }

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    Props p_;
};

}  // namespace zelk
