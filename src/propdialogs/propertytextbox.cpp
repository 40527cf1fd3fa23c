#include "propdialogs/propertytextbox.h"

#include "platform/controls/olecolor.h"

namespace zelk {

PropertyTextBox::PropertyTextBox(QWidget* parent)
    : QLineEdit(parent), backColor_(SysColor::Window) {}

void PropertyTextBox::SetBackColor(std::int32_t value) {
    backColor_ = value;
    QPalette p = palette();
    const QColor shown = oleColorToQColor(value);
    // A swatch is disabled; it shows its colour all the same.
    for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
        p.setColor(group, QPalette::Base, shown);
    setPalette(p);
}

}  // namespace zelk
