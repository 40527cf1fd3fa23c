#pragma once
// The forms frame (frame items).

#include "platform/controls/designcontrol.h"

namespace zelk {

class DesignFrame : public DesignFontControl {
    Q_OBJECT
  public:
    explicit DesignFrame(QWidget* parent = nullptr);
    ControlType controlType() const override { return ControlType::Frame; }
    void applyTemplate(DesignArray array) override;
    void copyPropertiesFrom(const DesignFrame& other);

    QString Caption() const { return p_.caption; }
    void setCaption(const QString& caption);
    // 0 none, 1 single (drawn in BorderColor instead of the effect).
    int BorderStyle() const { return p_.borderStyle; }
    bool setBorderStyle(int style);
    std::int32_t BorderColor() const { return p_.borderColor; }
    bool setBorderColor(std::int32_t color);
    // 0, 1, 2, 3 or 6.
    int SpecialEffect() const { return p_.specialEffect; }
    bool setSpecialEffect(int effect);
    // Width of the single border in pixels; negative refused.
    std::int32_t BorderWidth() const { return p_.borderWidth; }
    bool setBorderWidth(std::int32_t width);

    struct Props {
        QString caption;
        int borderStyle = 0;
        std::int32_t borderColor = SysColor::ButtonText;
        int specialEffect = 3;
        std::int32_t borderWidth = 1;
        bool operator==(const Props&) const = default;
    };
    const Props& props() const { return p_; }

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    Props p_;
};

}  // namespace zelk
