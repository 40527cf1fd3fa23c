#pragma once
// The platform's picture box: rectangle items, the size handles and the designers' surfaces.

#include <QPixmap>

#include "platform/controls/propertycontrol.h"

namespace zelk {

struct PictureBoxProps {
    std::int32_t backColor = SysColor::ButtonFace;
    std::int32_t foreColor = SysColor::ButtonText;
    int borderStyle = 1;
    int appearance = 1;
    int drawWidth = 1;
    int mousePointer = 0;
    bool operator==(const PictureBoxProps&) const = default;
};

using DesignPictureBoxBase =
    PropertyControl<DesignBox, PictureBoxProps, BorderStyleProperty, AppearanceProperty>;

class DesignPictureBox : public DesignPictureBoxBase {
    Q_OBJECT
  public:
    explicit DesignPictureBox(QWidget* parent = nullptr);
    ControlType controlType() const override { return ControlType::PictureBox; }
    void applyTemplate(DesignArray array) override;
    void copyPropertiesFrom(const DesignPictureBox& other);

    std::int32_t BackColor() const { return p_.backColor; }
    bool setBackColor(std::int32_t color) {
        return set(p_.backColor, color, isValidOleColor(color));
    }
    // The colour of the drawn outline (a rectangle item keeps it in its fore colour column).
    std::int32_t ForeColor() const { return p_.foreColor; }
    bool setForeColor(std::int32_t color) {
        return set(p_.foreColor, color, isValidOleColor(color));
    }
    // Pen width in pixels of the outline drawn in ForeColor; 1 to 32767.
    int DrawWidth() const { return p_.drawWidth; }
    bool setDrawWidth(int width) { return set(p_.drawWidth, width, width >= 1 && width <= 32767); }
    // Mouse pointer code: 0 to 15 or 99 (custom, shown as the arrow).
    int MousePointer() const { return p_.mousePointer; }
    bool setMousePointer(int pointer);

    // A picture drawn at the top-left corner in its own size, over the back colour; a null
    // picture clears it.
    const QPixmap& Picture() const { return picture_; }
    void setPicture(const QPixmap& picture);

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    QPixmap picture_;
};

}  // namespace zelk
