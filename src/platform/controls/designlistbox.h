#pragma once
// The forms list box (list-box items of the item-search designer).

#include <QStringList>

#include "platform/controls/designcontrol.h"

namespace zelk {

class DesignListBox : public DesignFontControl {
    Q_OBJECT
  public:
    explicit DesignListBox(QWidget* parent = nullptr);
    ControlType controlType() const override { return ControlType::ListBox; }
    void applyTemplate(DesignArray array) override;
    void copyPropertiesFrom(const DesignListBox& other);

    // The rows shown.
    void AddItem(const QString& text);
    void Clear();
    int ListCount() const { return static_cast<int>(p_.list.size()); }
    // Empty text for an index outside the list.
    QString List(int index) const;
    const QStringList& items() const { return p_.list; }

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
    bool IntegralHeight() const { return p_.integralHeight; }
    void setIntegralHeight(bool on);
    bool Locked() const { return p_.locked; }
    void setLocked(bool on);
    bool TabStop() const { return p_.tabStop; }
    void setTabStop(bool on);

    struct Props {
        QStringList list;
        int borderStyle = 0;
        std::int32_t borderColor = SysColor::WindowFrame;
        int specialEffect = 2;
        int textAlign = 1;
        bool integralHeight = true;
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
