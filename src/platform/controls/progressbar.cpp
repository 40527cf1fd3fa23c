#include "platform/controls/progressbar.h"

#include <algorithm>

namespace zelk {

ProgressBar::ProgressBar(QWidget* parent) : QProgressBar(parent) {
    setRange(0, 100);
    setValue(0);
    setTextVisible(false);
}

void ProgressBar::SetMin(int value) {
    setMinimum(value);  // a maximum below it follows
}

void ProgressBar::SetMax(int value) {
    setMaximum(value);  // a minimum above it follows
}

void ProgressBar::SetValue(int value) {
    setValue(std::clamp(value, minimum(), maximum()));
}

}  // namespace zelk
