#include "platform/controls/olecolor.h"

#include <QFontDatabase>
#include <QSet>
#include <array>
#include <cmath>

namespace zelk {

namespace {

// The usual Windows colours of the system colour indexes 0 to 30, as 0xRRGGBB.
constexpr std::array<std::uint32_t, SysColor::LastIndex + 1> kSystemColours = {
    0xC8C8C8,  // 0 scroll bar
    0x000000,  // 1 desktop
    0x99B4D1,  // 2 active caption
    0xBFCDDB,  // 3 inactive caption
    0xF0F0F0,  // 4 menu
    0xFFFFFF,  // 5 window background
    0x646464,  // 6 window frame
    0x000000,  // 7 menu text
    0x000000,  // 8 window text
    0x000000,  // 9 caption text
    0xB4B4B4,  // 10 active border
    0xF4F7FC,  // 11 inactive border
    0xABABAB,  // 12 application workspace
    0x3399FF,  // 13 highlight
    0xFFFFFF,  // 14 highlight text
    0xF0F0F0,  // 15 button face
    0xA0A0A0,  // 16 button shadow
    0x6D6D6D,  // 17 grey text
    0x000000,  // 18 button text
    0x434E54,  // 19 inactive caption text
    0xFFFFFF,  // 20 button highlight
    0x696969,  // 21 3-D dark shadow
    0xE3E3E3,  // 22 3-D light
    0x000000,  // 23 tooltip text
    0xFFFFE1,  // 24 tooltip background
    0x000000,  // 25 (unused)
    0x0066CC,  // 26 hot-tracked item
    0xB9D1EA,  // 27 gradient active caption
    0xD7E4F2,  // 28 gradient inactive caption
    0x3399FF,  // 29 menu highlight
    0xF0F0F0,  // 30 menu bar
};

bool isSystemColour(std::int32_t value) {
    const auto bits = static_cast<std::uint32_t>(value);
    return (bits & 0xFFFFFF00u) == 0x80000000u && (bits & 0xFFu) <= SysColor::LastIndex;
}

}  // namespace

bool isValidOleColor(std::int32_t value) {
    return (value >= 0 && value <= 0xFFFFFF) || isSystemColour(value);
}

QColor oleColorToQColor(std::int32_t value) {
    if (value >= 0 && value <= 0xFFFFFF) {
        return QColor(value & 0xFF, (value >> 8) & 0xFF, (value >> 16) & 0xFF);
    }
    if (isSystemColour(value)) {
        const std::uint32_t rgb = kSystemColours[static_cast<std::uint32_t>(value) & 0xFFu];
        return QColor((rgb >> 16) & 0xFF, (rgb >> 8) & 0xFF, rgb & 0xFF);
    }
    return QColor(Qt::black);
}

std::int32_t qColorToOleColor(const QColor& color) {
    return color.red() | (color.green() << 8) | (color.blue() << 16);
}

QString displayFontFamily(const QString& name) {
    // The installed families do not change while the program runs.
    static const QSet<QString> installed = [] {
        const QStringList families = QFontDatabase::families();
        return QSet<QString>(families.begin(), families.end());
    }();
    if (!name.isEmpty() && installed.contains(name)) return name;
    return name == QStringLiteral("宋体") ? QStringLiteral("Noto Serif CJK SC")
                                          : QStringLiteral("Noto Sans CJK SC");
}

QFont displayFont(const QString& name, double points, bool bold, bool italic, bool underline,
                  bool strikethru) {
    QFont font(displayFontFamily(name));
    // The canvas shows twips / 15 pixels, that is 96 dots per inch: a point is 4/3 pixel.
    const double pixels = std::isfinite(points) && points > 0 ? points * 4.0 / 3.0 : 12.0;
    font.setPixelSize(std::max(1, static_cast<int>(std::lround(pixels))));
    font.setBold(bold);
    font.setItalic(italic);
    font.setUnderline(underline);
    font.setStrikeOut(strikethru);
    return font;
}

}  // namespace zelk
