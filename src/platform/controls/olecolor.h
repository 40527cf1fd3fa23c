#pragma once
// Colour values as the stored rows and the design controls keep them: a signed 32-bit number,
// 0..16777215 being 0x00BBGGRR (red in the low byte), a negative number (high bit set) being a
// system colour whose low byte is the index. System colours are shown through a fixed table of
// the usual Windows colours and are always handed back unchanged.

#include <QColor>
#include <QFont>
#include <QString>
#include <cstdint>

namespace zelk {

// System colour values the design controls start with.
namespace SysColor {
constexpr std::int32_t make(int index) {
    return static_cast<std::int32_t>(0x80000000u | static_cast<std::uint32_t>(index));
}
inline constexpr std::int32_t ScrollBar = make(0);
inline constexpr std::int32_t Desktop = make(1);
inline constexpr std::int32_t Window = make(5);  // window background
inline constexpr std::int32_t WindowFrame = make(6);
inline constexpr std::int32_t WindowText = make(8);
inline constexpr std::int32_t Highlight = make(13);
inline constexpr std::int32_t HighlightText = make(14);
inline constexpr std::int32_t ButtonFace = make(15);
inline constexpr std::int32_t ButtonShadow = make(16);
inline constexpr std::int32_t GrayText = make(17);
inline constexpr std::int32_t ButtonText = make(18);
inline constexpr std::int32_t ButtonHighlight = make(20);
inline constexpr std::int32_t DarkShadow3D = make(21);
inline constexpr std::int32_t Light3D = make(22);
inline constexpr std::int32_t InfoText = make(23);
inline constexpr std::int32_t InfoBackground = make(24);
// Highest system colour index the controls accept.
inline constexpr int LastIndex = 30;
}  // namespace SysColor

// True when a control accepts the value as a colour: an RGB value or a known system colour.
bool isValidOleColor(std::int32_t value);

// The colour to paint for a stored value; an unknown value shows black.
QColor oleColorToQColor(std::int32_t value);

// The stored value of an RGB colour (alpha ignored).
std::int32_t qColorToOleColor(const QColor& color);

// The font a control paints with: the family itself when installed, otherwise a CJK fallback
// ("Noto Serif CJK SC" for "宋体", "Noto Sans CJK SC" for anything else). The control keeps its
// own name; only the painting uses the fallback. Size in points, shown at 96 dots per inch.
QFont displayFont(const QString& name, double points, bool bold = false, bool italic = false,
                  bool underline = false, bool strikethru = false);

// The family displayFont() paints a name with.
QString displayFontFamily(const QString& name);

}  // namespace zelk
