#pragma once
// The platform's line control (line items): two end points in twips.

#include <cmath>

#include "platform/controls/propertycontrol.h"

namespace zelk {

struct LineProps {
    double x1 = 0;
    double y1 = 0;
    double x2 = 1215;
    double y2 = 0;
    std::int32_t borderColor = SysColor::WindowText;
    int borderWidth = 1;
    bool operator==(const LineProps&) const = default;
};

using DesignLineBase = PropertyControl<DesignControl, LineProps, BorderColorProperty>;

class DesignLine : public DesignLineBase {
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
    bool setX1(double x) { return setPlace(p_.x1, x, std::isfinite(x)); }
    bool setY1(double y) { return setPlace(p_.y1, y, std::isfinite(y)); }
    bool setX2(double x) { return setPlace(p_.x2, x, std::isfinite(x)); }
    bool setY2(double y) { return setPlace(p_.y2, y, std::isfinite(y)); }
    // Pen width in pixels, 1 to 8192.
    int BorderWidth() const { return p_.borderWidth; }
    bool setBorderWidth(int width) {
        return setPlace(p_.borderWidth, width, width >= 1 && width <= 8192);
    }

    // Where the line's end points fall in the widget (pixels).
    QPoint startPixel() const;
    QPoint endPixel() const;

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    // Stores a value that moves or widens the line, then follows it with the widget.
    template <class T>
    bool setPlace(T& field, T value, bool ok) {
        if (!ok) return false;
        field = value;
        syncGeometry();
        return true;
    }
    void syncGeometry();
};

}  // namespace zelk
