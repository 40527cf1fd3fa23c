#pragma once
// The platform's plain single-line text box (date items). Unlike the forms text box it aligns
// with Alignment (0 left, 1 right, 2 centre) and has Appearance (0 flat, 1 3-D) for its look.

#include "platform/controls/designcontrol.h"

namespace zelk {

class DesignPlainTextBox : public DesignFontControl {
    Q_OBJECT
  public:
    explicit DesignPlainTextBox(QWidget* parent = nullptr);
    ControlType controlType() const override { return ControlType::PlainTextBox; }
    void applyTemplate(DesignArray array) override;
    void copyPropertiesFrom(const DesignPlainTextBox& other);

    QString Text() const { return p_.text; }
    void setText(const QString& text);
    // 0 left, 1 right, 2 centre.
    int Alignment() const { return p_.alignment; }
    bool setAlignment(int alignment);
    // 0 flat, 1 three-dimensional.
    int Appearance() const { return p_.appearance; }
    bool setAppearance(int appearance);
    // 0 none, 1 fixed single.
    int BorderStyle() const { return p_.borderStyle; }
    bool setBorderStyle(int style);
    bool Locked() const { return p_.locked; }
    void setLocked(bool on);
    bool TabStop() const { return p_.tabStop; }
    void setTabStop(bool on);

    struct Props {
        QString text;
        int alignment = 0;
        int appearance = 1;
        int borderStyle = 1;
        bool locked = false;
        bool tabStop = true;
        bool operator==(const Props&) const = default;
    };
    const Props& props() const { return p_; }

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    Props p_;
};

}  // namespace zelk
