#pragma once
// The forms list box (list-box items of the item-search designer).

#include <QStringList>

#include "platform/controls/propertycontrol.h"

namespace zelk {

struct ListBoxProps {
    QStringList list;
    int borderStyle = 0;
    std::int32_t borderColor = SysColor::WindowFrame;
    int specialEffect = 2;
    int textAlign = 1;
    bool integralHeight = true;
    bool locked = false;
    bool tabStop = true;
    bool operator==(const ListBoxProps&) const = default;
};

using DesignListBoxBase =
    PropertyControl<DesignFontControl, ListBoxProps, FormsBorderProperties, TextAlignProperty,
                    IntegralHeightProperty, InputProperties>;

class DesignListBox : public DesignListBoxBase {
    Q_OBJECT
  public:
    explicit DesignListBox(QWidget* parent = nullptr);
    ControlType controlType() const override { return ControlType::ListBox; }
    void applyTemplate(DesignArray array) override;
    void copyPropertiesFrom(const DesignListBox& other) { copyFrom(other); }

    // The rows shown.
    void AddItem(const QString& text);
    void Clear();
    int ListCount() const { return static_cast<int>(p_.list.size()); }
    // Empty text for an index outside the list.
    QString List(int index) const;
    const QStringList& items() const { return p_.list; }

  protected:
    void paintEvent(QPaintEvent* event) override;
};

}  // namespace zelk
