#pragma once
// The font families the desktop itself would use.

#include <QStringList>

namespace zelk {

// The application's default family (with a GUI application), then the families fontconfig
// matches first for sans-serif, serif and monospace, each in Chinese and then as asked with no
// language, which FcDefaultSubstitute gives the language of FC_LANG or else of the locale: under
// a Chinese locale the plain matches are the Chinese ones again. No name twice.
QStringList preferredFontFamilies();

}  // namespace zelk
