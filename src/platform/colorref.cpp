#include "platform/colorref.h"

#include <QGuiApplication>
#include <QPalette>

namespace zelk {

namespace {

// The system colours through the application palette.
QColor systemColour(int index) {
    const QPalette p = QGuiApplication::palette();
    switch (index) {
        case 5:  // window background
            return p.color(QPalette::Base);
        case 6:   // window frame
        case 10:  // active border
        case 11:  // inactive border
            return p.color(QPalette::Mid);
        case 8:  // window text
            return p.color(QPalette::Text);
        case 13:
            return p.color(QPalette::Highlight);
        case 14:
            return p.color(QPalette::HighlightedText);
        case 15:
            return p.color(QPalette::Button);
        case 16:
            return p.color(QPalette::Dark);
        case 17:
            return p.color(QPalette::Disabled, QPalette::Text);
        case 18:
            return p.color(QPalette::ButtonText);
        case 20:
            return p.color(QPalette::Light);
        case 21:
            return p.color(QPalette::Shadow);
        case 24:
            return p.color(QPalette::ToolTipBase);
        case 23:
            return p.color(QPalette::ToolTipText);
        default:
            return p.color(QPalette::WindowText);
    }
}

}  // namespace

QColor colorRefToQColor(std::int32_t value) {
    const auto v = static_cast<std::uint32_t>(value);
    if (v & 0x80000000u) return systemColour(static_cast<int>(v & 0xFFu));
    return QColor(static_cast<int>(v & 0xFFu), static_cast<int>((v >> 8) & 0xFFu),
                  static_cast<int>((v >> 16) & 0xFFu));
}

std::int32_t qColorToColorRef(const QColor& color) {
    const QColor c = color.toRgb();
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(c.red()) |
                                     (static_cast<std::uint32_t>(c.green()) << 8) |
                                     (static_cast<std::uint32_t>(c.blue()) << 16));
}

}  // namespace zelk
