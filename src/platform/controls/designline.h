#pragma once
// The platform's line control (line items): two end points in twips.

#include "platform/controls/designcontrol.h"

namespace zelk {

class DesignLine : public DesignControl {
    Q_OBJECT
  public:
    explicit DesignLine(QWidget* parent = nullptr);
    ControlType controlType() const override { return ControlType::Line; }
    void applyTemplate(DesignArray array) override;
    void copyPropertiesFrom(const DesignLine& other);

    // End points in twips; a non-finite value is refused.
    double X1() const { return p_.x1; }
    double Y1() const { return p_.y1; }
    double X2() const { return p_.x2; }
    double Y2() const { return p_.y2; }
    bool setX1(double x);
    bool setY1(double y);
    bool setX2(double x);
    bool setY2(double y);
    std::int32_t BorderColor() const { return p_.borderColor; }
    bool setBorderColor(std::int32_t color);
    // Pen width in pixels, 1 to 8192.
    int BorderWidth() const { return p_.borderWidth; }
    bool setBorderWidth(int width);

    struct Props {
        double x1 = 0;
        double y1 = 0;
        double x2 = 0;
        double y2 = 0;
        std::int32_t borderColor = SysColor::WindowText;
        int borderWidth = 1;
        bool operator==(const Props&) const = default;
    };
    const Props& props() const { return p_; }

    // Where the line's end points fall in the widget (pixels).
    QPoint startPixel() const;
    QPoint endPixel() const;

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    void syncGeometry();
    Props p_;
};

}  // namespace zelk
