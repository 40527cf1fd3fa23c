#pragma once
// The label: item labels, caption labels and custom labels.

#include "platform/controls/designcontrol.h"

namespace zelk {

class DesignLabel : public DesignFontControl {
    Q_OBJECT
  public:
    explicit DesignLabel(QWidget* parent = nullptr);
    ControlType controlType() const override { return ControlType::Label; }
    void applyTemplate(DesignArray array) override;
    void copyPropertiesFrom(const DesignLabel& other);

    QString Caption() const { return p_.caption; }
    void setCaption(const QString& caption);
    bool AutoSize() const { return p_.autoSize; }
    void setAutoSize(bool on);
    bool WordWrap() const { return p_.wordWrap; }
    void setWordWrap(bool on);
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

    struct Props {
        QString caption;
        bool autoSize = false;
        bool wordWrap = true;
        int backStyle = 1;
        int borderStyle = 0;
        std::int32_t borderColor = SysColor::WindowFrame;
        int specialEffect = 0;
        int textAlign = 1;
        bool operator==(const Props&) const = default;
    };
    const Props& props() const { return p_; }

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    Props p_;
};

}  // namespace zelk
