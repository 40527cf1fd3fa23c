#pragma once
// The one-line boxes of the property dialogs (the array Text1). The colour swatches among them
// keep their colour as the exact 32-bit colour value, system colours included, and paint it
// through the colour table.

#include <QLineEdit>
#include <cstdint>

namespace zelk {

class PropertyTextBox : public QLineEdit {
    Q_OBJECT
  public:
    explicit PropertyTextBox(QWidget* parent = nullptr);

    std::int32_t BackColor() const { return backColor_; }
    void SetBackColor(std::int32_t value);

  private:
    std::int32_t backColor_;
};

}  // namespace zelk
