#pragma once
// The platform's picture box: rectangle items and the size handles.

#include "platform/controls/designcontrol.h"

namespace zelk {

class DesignPictureBox : public DesignBox {
    Q_OBJECT
  public:
    explicit DesignPictureBox(QWidget* parent = nullptr);
    ControlType controlType() const override { return ControlType::PictureBox; }
    void applyTemplate(DesignArray array) override;
    void copyPropertiesFrom(const DesignPictureBox& other);

    std::int32_t BackColor() const { return p_.backColor; }
    bool setBackColor(std::int32_t color);
    // The colour of the drawn outline (a rectangle item keeps it in its fore colour column).
    std::int32_t ForeColor() const { return p_.foreColor; }
    bool setForeColor(std::int32_t color);
    // 0 none, 1 fixed single.
    int BorderStyle() const { return p_.borderStyle; }
    bool setBorderStyle(int style);
    // 0 flat, 1 three-dimensional.
    int Appearance() const { return p_.appearance; }
    bool setAppearance(int appearance);
    // Pen width in pixels of the outline drawn in ForeColor; 1 to 32767.
    int DrawWidth() const { return p_.drawWidth; }
    bool setDrawWidth(int width);
    // Mouse pointer code: 0 to 15 or 99 (custom, shown as the arrow).
    int MousePointer() const { return p_.mousePointer; }
    bool setMousePointer(int pointer);

    struct Props {
        std::int32_t backColor = SysColor::ButtonFace;
        std::int32_t foreColor = SysColor::ButtonText;
        int borderStyle = 1;
        int appearance = 1;
        int drawWidth = 1;
        int mousePointer = 0;
        bool operator==(const Props&) const = default;
    };
    const Props& props() const { return p_; }

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    Props p_;
};

}  // namespace zelk
