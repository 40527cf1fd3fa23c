#pragma once
// The item rows of custom lines and labels: what the toolbar's "line", "label" and "rectangle"
// buttons and the copy command hand to the designer's own loaders, exactly as if the row had
// been read. Built over either item-row type through its member table C (ItemColumns<Row>).

#include <cmath>
#include <cstdint>

#include <QString>

#include "component/fixedfield.h"
#include "component/zelkmodule.h"

namespace zelk {

// Where a new item shows: near the top-left corner of the part of the canvas in view. Computed
// in 32 bits, so a canvas scrolled far does not overflow.
struct CustomPlacement {
    std::int32_t h = 0;  // scroll values, twips
    std::int32_t v = 0;
};

// What a copy reads of a line.
struct LineSource {
    double x1 = 0, y1 = 0, x2 = 0, y2 = 0;
    std::int32_t borderColor = 0;
};

// What a copy reads of a label.
struct LabelSource {
    double left = 0, top = 0, width = 0, height = 0;
    QString fontName;
    double fontSize = 9;
    bool bold = false, italic = false, underline = false;
    std::int32_t foreColor = 0, backColor = 0;
    QString caption;
    int backStyle = 0, borderStyle = 0, specialEffect = 0, textAlign = 0;
};

inline QString customLineName(int n) {
    return QStringLiteral("自定义线条(") + QString::number(n) + QLatin1Char(')');
}
inline QString customLabelName(int n) {
    return QStringLiteral("自定义标签(") + QString::number(n) + QLatin1Char(')');
}

namespace customitems {

// Whole twips, halves to the even neighbour, kept within 32 bits.
inline std::int32_t twips(double value) {
    const double r = std::nearbyint(value);
    if (!(r >= -2147483648.0)) return INT32_MIN;
    if (r > 2147483647.0) return INT32_MAX;
    return static_cast<std::int32_t>(r);
}

inline std::int32_t plus(std::int32_t a, std::int32_t b) {
    return twips(static_cast<double>(a) + b);
}

inline QString shownSwitches() {
    SwitchSettings s;
    s.m[14] = true;
    return EncodeSwitches(s);
}

inline QString labelSwitches() {
    SwitchSettings s;
    s.m[7] = true;
    s.m[14] = true;
    s.m[15] = true;
    return EncodeSwitches(s);
}

template <class Row, class C>
Row lineRow(int n, std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2,
            std::int32_t color) {
    Row row{};
    setField(row.*C::m03, customLineName(n));
    row.*C::m07 = 1;
    row.*C::m11 = x1;
    row.*C::m12 = y1;
    row.*C::m13 = x2;
    row.*C::m14 = y2;
    setField(row.*C::m31, QString::number(color));
    setField(row.*C::m41, shownSwitches());
    return row;
}

template <class Row, class C>
Row labelRowFrom(Row row, const LabelSource& s) {
    setField(row.*C::m15, s.fontName);
    setField(row.*C::m20, s.fontName);
    FontStyleFlags font;
    font.bold = s.bold;
    font.italic = s.italic;
    font.underline = s.underline;
    setField(row.*C::m16, EncodeFontStyle(font));
    setField(row.*C::m21, EncodeFontStyle(font));
    const QString size = QString::number(s.fontSize, 'g', 7);
    setField(row.*C::m17, size);
    setField(row.*C::m22, size);
    setField(row.*C::m18, QStringLiteral("0"));
    setField(row.*C::m19, QStringLiteral("16777215"));
    setField(row.*C::m23, QString::number(s.foreColor));
    setField(row.*C::m24, QString::number(s.backColor));
    setField(row.*C::m36, s.caption);
    IntSettings ints;
    ints.m[2] = s.backStyle;
    ints.m[3] = s.borderStyle;
    ints.m[10] = s.specialEffect;
    ints.m[12] = s.textAlign;
    setField(row.*C::m38, EncodeIntSettings(ints));
    setField(row.*C::m40, EncodeIntSettings(ints));
    setField(row.*C::m39, labelSwitches());
    setField(row.*C::m41, labelSwitches());
    return row;
}

}  // namespace customitems

// A new line: horizontal, 3000 twips long, black, width 1.
template <class Row, class C>
Row customLineRow(int n, CustomPlacement at) {
    using namespace customitems;
    return lineRow<Row, C>(n, plus(at.h, 300), plus(at.v, 300), plus(at.h, 3300), plus(at.v, 300),
                           0);
}

// A copy of a line: 300 twips right and down, its colour, width 1, shown.
template <class Row, class C>
Row copiedLineRow(int n, const LineSource& s) {
    using namespace customitems;
    return lineRow<Row, C>(n, twips(s.x1 + 300.0), twips(s.y1 + 300.0), twips(s.x2 + 300.0),
                           twips(s.y2 + 300.0), s.borderColor);
}

// A new label: a transparent, single-bordered box "自定义标签" in 宋体 9 points, 3000 x 350.
template <class Row, class C>
Row customLabelRow(int n, CustomPlacement at) {
    using namespace customitems;
    LabelSource s;
    s.fontName = QString::fromUtf8(kFallbackFontName);
    s.foreColor = 0;
    s.backColor = 16777215;
    s.caption = QStringLiteral("自定义标签");
    s.borderStyle = 1;
    s.textAlign = 1;
    Row row{};
    setField(row.*C::m03, customLabelName(n));
    setField(row.*C::m05, QStringLiteral("1"));
    setField(row.*C::m06, QStringLiteral("1"));
    row.*C::m11 = plus(at.h, 300);
    row.*C::m12 = plus(at.v, 300);
    row.*C::m13 = plus(at.h, 3300);
    row.*C::m14 = plus(at.v, 650);
    return labelRowFrom<Row, C>(row, s);
}

// A copy of a label: its size 120 twips right and down, its caption, font, colours and styles;
// strikethrough, auto size and the rest are not copied.
template <class Row, class C>
Row copiedLabelRow(int n, const LabelSource& s) {
    using namespace customitems;
    Row row{};
    setField(row.*C::m03, customLabelName(n));
    setField(row.*C::m05, QStringLiteral("1"));
    setField(row.*C::m06, QStringLiteral("1"));
    row.*C::m11 = twips(s.left + 120);
    row.*C::m12 = twips(s.top + 120);
    row.*C::m13 = twips(s.left + s.width + 120);
    row.*C::m14 = twips(s.top + s.height + 120);
    return labelRowFrom<Row, C>(row, s);
}

}  // namespace zelk
