#pragma once
// Colour values as the windows pass them to drawing and dialogs: 0x00BBGGRR (red in the low
// byte); a value with the high bit set names a system colour by its low byte.

#include <QColor>
#include <cstdint>

namespace zelk {

QColor colorRefToQColor(std::int32_t value);
std::int32_t qColorToColorRef(const QColor& color);

}  // namespace zelk
