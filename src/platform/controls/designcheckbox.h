#pragma once
// The forms check box (check-box items of the item-search designer).

#include "platform/controls/designcontrol.h"

namespace zelk {

class DesignCheckBox : public DesignFontControl {
    Q_OBJECT
  public:
    explicit DesignCheckBox(QWidget* parent = nullptr);
    ControlType controlType() const override { return ControlType::CheckBox; }
    void applyTemplate(DesignArray array) override;
    void copyPropertiesFrom(const DesignCheckBox& other);

    QString Caption() const { return p_.caption; }
    void setCaption(const QString& caption);
    // 0 unchecked, 1 checked; any other number is taken as checked.
    int Value() const { return p_.value; }
    void setValue(int value);
    // 0 transparent, 1 opaque.
    int BackStyle() const { return p_.backStyle; }
    bool setBackStyle(int style);
    // 0 none, 1 single. Item-entry forms draw their check-box items with a border of their own.
    int BorderStyle() const { return p_.borderStyle; }
    bool setBorderStyle(int style);
    // A check box shows only 0 (flat) and 2 (sunken).
    int SpecialEffect() const { return p_.specialEffect; }
    bool setSpecialEffect(int effect);
    // 1 left, 2 centre, 3 right.
    int TextAlign() const { return p_.textAlign; }
    bool setTextAlign(int align);
    bool Locked() const { return p_.locked; }
    void setLocked(bool on);
    bool TabStop() const { return p_.tabStop; }
    void setTabStop(bool on);
    bool WordWrap() const { return p_.wordWrap; }
    void setWordWrap(bool on);
    // Nothing in the designers sets it; the writer stores it.
    bool TripleState() const { return p_.tripleState; }
    void setTripleState(bool on);

    struct Props {
        QString caption;
        int value = 0;
        int backStyle = 1;
        int borderStyle = 0;
        int specialEffect = 2;
        int textAlign = 1;
        bool locked = false;
        bool tabStop = true;
        bool wordWrap = true;
        bool tripleState = false;
        bool operator==(const Props&) const = default;
    };
    const Props& props() const { return p_; }

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    Props p_;
};

}  // namespace zelk
