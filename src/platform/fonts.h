#pragma once
// The font families the desktop itself would use.

#include <QStringList>

namespace zelk {

// The application's default family (with a GUI application), then the families fontconfig
// matches first for sans-serif, serif and monospace, each in Chinese and then in no language; no
// name twice.
QStringList preferredFontFamilies();

}  // namespace zelk
