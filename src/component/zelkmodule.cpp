#include "component/zelkmodule.h"

#include <QHash>

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>
#include <string>

#include <QCoreApplication>
#include <QFontDatabase>
#include <QGuiApplication>

#include "component/fixedfield.h"
#include "component/records.h"
#include "platform/fonts.h"

namespace zelk {

QString gSystemName;
QString gMainTable;

// ---- Fixed fields ---------------------------------------------------------------------------

QString TrimFixedField(const QString& text) {
    qsizetype end = text.indexOf(QChar(u'\0'));
    if (end < 0) end = text.size();
    while (end > 0 && text.at(end - 1) == QChar(u' ')) --end;
    return text.left(end);
}

// ---- Settings digit strings ---------------------------------------------------------------

namespace {

bool isAsciiDigit(QChar c) {
    return c >= QChar(u'0') && c <= QChar(u'9');
}

// A text shorter than the record's one-digit members reads as itself followed by the default.
QString withDefault(const QString& text, const char* defaultText) {
    const QString fallback = QString::fromLatin1(defaultText);
    return text.size() < fallback.size() ? text + fallback : text;
}

// One character per member: a member outside 0..9 would take several characters and shift every
// later member, so it is clamped first.
QChar memberDigit(std::int64_t value) {
    if (value < 0) value = 0;
    if (value > 9) value = 9;
    return QChar(u'0' + static_cast<char16_t>(value));
}

}  // namespace

bool DecodeIntSettings(const QString& text, IntSettings& settings) {
    const QString read = withDefault(text, kIntSettingsDefault);
    const qsizetype count = read.size() >= 13 ? 13 : 12;
    for (qsizetype i = 0; i < count; ++i) {
        const QChar c = read.at(i);
        if (!isAsciiDigit(c)) return false;
        settings.m[static_cast<std::size_t>(i + 1)] = c.unicode() - u'0';
    }
    return true;
}

QString EncodeIntSettings(const IntSettings& settings) {
    QString text;
    text.reserve(13);
    for (std::size_t i = 1; i <= 13; ++i) text += memberDigit(settings.m[i]);
    return text;
}

bool DecodeSwitches(const QString& text, SwitchSettings& switches) {
    const QString read = withDefault(text, kSwitchSettingsDefault);
    for (std::size_t i = 1; i <= 15; ++i)
        switches.m[i] = read.at(static_cast<qsizetype>(i - 1)) == QChar(u'1');
    return true;
}

QString EncodeSwitches(const SwitchSettings& switches) {
    QString text;
    text.reserve(15);
    for (std::size_t i = 1; i <= 15; ++i) text += BoolToDigit(switches.m[i]);
    return text;
}

bool DecodeFontStyle(const QString& text, FontStyleFlags& flags) {
    const QString read = withDefault(text, kFontStyleDefault);
    const QChar one(u'1');
    flags.bold = read.at(0) == one;
    flags.italic = read.at(1) == one;
    flags.underline = read.at(2) == one;
    flags.strikethrough = read.at(3) == one;
    return true;
}

QString EncodeFontStyle(const FontStyleFlags& flags) {
    return BoolToDigit(flags.bold) + BoolToDigit(flags.italic) + BoolToDigit(flags.underline) +
           BoolToDigit(flags.strikethrough);
}

bool DecodeDigits10(const QString& text, DigitSettings10& digits) {
    // Unlike the other texts, a short one is replaced by the default, not completed by it.
    const QString trimmed = TrimFixedField(text);
    const QString read = trimmed.size() < 10 ? QString::fromLatin1(kDigits10Default) : trimmed;
    for (qsizetype i = 0; i < 10; ++i) {
        const QChar c = read.at(i);
        if (!isAsciiDigit(c)) return false;
        digits.m[static_cast<std::size_t>(i + 1)] = static_cast<std::int16_t>(c.unicode() - u'0');
    }
    return true;
}

QString EncodeDigits10(const DigitSettings10& digits) {
    QString text;
    text.reserve(10);
    for (std::size_t i = 1; i <= 10; ++i) text += memberDigit(digits.m[i]);
    return text;
}

QString BoolToDigit(bool value) {
    return value ? QStringLiteral("1") : QStringLiteral("0");
}

std::int32_t BoolToInt(bool value) {
    return value ? 1 : 0;
}

// ---- Interface kinds ----------------------------------------------------------------------

namespace {

const QStringList& interfaceKindNames() {
    static const QStringList names{
        QStringLiteral("录入条目"), QStringLiteral("录入列表"), QStringLiteral("检索条目"),
        QStringLiteral("检索列表"), QStringLiteral("分类模板"), QStringLiteral("系统模板"),
        QStringLiteral("子表界面"),
    };
    return names;
}

}  // namespace

QString GetInterfaceKindName(std::int16_t code) {
    if (code < 1 || code > 7) return QStringLiteral("未知类型界面");
    return interfaceKindNames().at(code - 1);
}

std::int16_t GetInterfaceKindCode(const QString& name) {
    const qsizetype i = interfaceKindNames().indexOf(name);
    return static_cast<std::int16_t>(i < 0 ? 8 : i + 1);
}

bool HasDefaultFlag(const INDTRecord& row) {
    return TrimFixedField(fieldText(row.id07)).isEmpty();
}

MissingTemplateTexts missingTemplateTexts(const QString& className) {
    if (className.trimmed().isEmpty())
        return {QStringLiteral("基础模板未建立"),
                QStringLiteral("基础模板是用于生成跨类型统一界面的参照模板")};
    return {QStringLiteral("类型模板未建立"),
            QStringLiteral("在建立用户类型界面之前请先创建类型模板")};
}

// ---- Alignment of the plain text box -------------------------------------------------------

std::int32_t AlignmentToTextAlign(std::int32_t alignment) {
    switch (alignment) {
        case 0:
            return 1;
        case 1:
            return 3;
        case 2:
            return 2;
        default:
            return 0;
    }
}

std::int32_t TextAlignToAlignment(std::int32_t textAlign) {
    switch (textAlign) {
        case 2:
            return 2;
        case 3:
            return 1;
        default:
            return 0;
    }
}

// ---- Stored font names ----------------------------------------------------------------------

namespace {

std::function<QStringList()>& fontsProvider() {
    static std::function<QStringList()> provider;
    return provider;
}

std::function<QStringList()>& preferredProvider() {
    static std::function<QStringList()> provider;
    return provider;
}

// The first n characters, never splitting a surrogate pair.
QString leftCharacters(const QString& text, qsizetype n) {
    qsizetype end = 0;
    for (qsizetype taken = 0; taken < n && end < text.size(); ++taken)
        end += (text.at(end).isHighSurrogate() && end + 1 < text.size()) ? 2 : 1;
    return text.left(end);
}

}  // namespace

void setInstalledFontsProvider(std::function<QStringList()> provider) {
    fontsProvider() = std::move(provider);
}

QStringList installedFonts() {
    if (fontsProvider()) return fontsProvider()();
    // The font database needs a GUI application; without one there are no screen fonts.
    if (!qobject_cast<QGuiApplication*>(QCoreApplication::instance())) return {};
    return QFontDatabase::families();
}

void setPreferredFontsProvider(std::function<QStringList()> provider) {
    preferredProvider() = std::move(provider);
}

QStringList preferredFonts() {
    if (preferredProvider()) return preferredProvider()();
    return preferredFontFamilies();
}

QString EncodeFontName(const QString& name) {
    const QString trimmed = TrimFixedField(name);
    const QByteArray bytes = toGbk(trimmed);
    if (bytes.size() <= 10) return trimmed;
    for (qsizetype i = 0; i < 10; ++i) {
        if (static_cast<unsigned char>(bytes.at(i)) > 100)
            return leftCharacters(trimmed, 4) + QChar(u'*');
    }
    // Every one of the first ten bytes is a single-byte character.
    return QString::fromLatin1(bytes.left(10));
}

namespace {

// True for a stored form that decoding completes against the installed fonts.
bool shortenedForm(const QString& stored) {
    return stored.endsWith(QChar(u'*')) || stored.size() == 10;
}

// The one of several fonts (not none) that a shared stored form stands for: the first the
// desktop prefers, else the shortest name. Their order does not matter, so the dialogs and the
// loaders agree whatever order the system lists them in.
QString chosenFont(const QStringList& candidates, const QStringList& preferred) {
    for (const QString& font : preferred) {
        if (candidates.contains(font)) return font;
    }
    return *std::min_element(candidates.begin(), candidates.end(),
                             [](const QString& a, const QString& b) {
                                 return a.size() != b.size() ? a.size() < b.size() : a < b;
                             });
}

// Each shortened stored form of `fonts` and the font it decodes to.
QHash<QString, QString> fontByForm(const QStringList& fonts, const QStringList& preferred) {
    QHash<QString, QStringList> sharing;
    for (const QString& font : fonts) {
        const QString form = EncodeFontName(font);
        if (shortenedForm(form)) sharing[form] << font;
    }
    QHash<QString, QString> chosen;
    for (auto it = sharing.cbegin(); it != sharing.cend(); ++it)
        chosen.insert(it.key(), chosenFont(it.value(), preferred));
    return chosen;
}

}  // namespace

QString DecodeFontName(const QString& stored) {
    const QString form = TrimFixedField(stored);
    if (!shortenedForm(form)) return form;
    const QStringList fonts = installedFonts();
    const QStringList preferred = preferredFonts();
    // Kept per font and preference lists: a load decodes every item.
    thread_local QStringList listed;
    thread_local QStringList preferredListed;
    thread_local QHash<QString, QString> byForm;
    if (fonts != listed || preferred != preferredListed || listed.isEmpty()) {
        listed = fonts;
        preferredListed = preferred;
        byForm = fontByForm(fonts, preferred);
    }
    if (const auto found = byForm.constFind(form); found != byForm.constEnd()) return *found;
    // A form another system stored: the installed fonts of that prefix choose the same way.
    QString prefix = form;
    if (prefix.endsWith(QChar(u'*'))) prefix.chop(1);
    QStringList matching;
    for (const QString& font : fonts) {
        if (font.startsWith(prefix, Qt::CaseSensitive)) matching << font;
    }
    if (matching.isEmpty()) return QString::fromUtf8(kFallbackFontName);
    return chosenFont(matching, preferred);
}

QStringList storableFonts(const QStringList& fonts) {
    const QHash<QString, QString> byForm = fontByForm(fonts, preferredFonts());
    QStringList storable;
    for (const QString& font : fonts) {
        const QString form = EncodeFontName(font);
        // A shortened form decodes to the font chosen for it; any other form is kept as it is.
        if (shortenedForm(form) ? byForm.value(form) == font : form == font) storable << font;
    }
    return storable;
}

// ---- Numbers in text ------------------------------------------------------------------------

namespace {

// Blanks around a number; the leading-number reading also passes over them inside it.
bool isBlank(QChar c) {
    return c == QChar(u' ') || c == QChar(u'\t') || c == QChar(u'\n');
}

// Scans a number at `pos`: sign, digits with at most one point, an exponent. Appends what it
// read to `out` (ASCII, sign "+" dropped) and returns the position after it, or -1 when no digit
// was found. With `skipBlanks`, blanks anywhere inside the number are passed over.
qsizetype scanNumber(const QString& text, qsizetype pos, bool skipBlanks, std::string& out) {
    const qsizetype n = text.size();
    auto skip = [&](qsizetype p) {
        while (skipBlanks && p < n && isBlank(text.at(p))) ++p;
        return p;
    };
    pos = skip(pos);
    if (pos < n && (text.at(pos) == QChar(u'+') || text.at(pos) == QChar(u'-'))) {
        if (text.at(pos) == QChar(u'-')) out += '-';
        pos = skip(pos + 1);
    }
    bool digits = false;
    bool point = false;
    while (pos < n) {
        const QChar c = text.at(pos);
        if (isAsciiDigit(c)) {
            digits = true;
            out += static_cast<char>(c.unicode());
        } else if (c == QChar(u'.') && !point) {
            point = true;
            out += '.';
        } else {
            break;
        }
        pos = skip(pos + 1);
    }
    if (!digits) return -1;
    // An exponent counts only when digits follow it; otherwise the number ends before the "e".
    if (pos < n && (text.at(pos) == QChar(u'e') || text.at(pos) == QChar(u'E'))) {
        std::string exponent = "e";
        qsizetype p = skip(pos + 1);
        if (p < n && (text.at(p) == QChar(u'+') || text.at(p) == QChar(u'-'))) {
            if (text.at(p) == QChar(u'-')) exponent += '-';
            p = skip(p + 1);
        }
        bool expDigits = false;
        while (p < n && isAsciiDigit(text.at(p))) {
            expDigits = true;
            exponent += static_cast<char>(text.at(p).unicode());
            p = skip(p + 1);
        }
        if (expDigits) {
            out += exponent;
            pos = p;
        }
    }
    return pos;
}

std::optional<double> parseScanned(const std::string& s) {
    double value = 0;
    const char* first = s.data();
    const char* last = s.data() + s.size();
    const auto [ptr, ec] = std::from_chars(first, last, value);
    if (ec != std::errc() || ptr != last || !std::isfinite(value)) return std::nullopt;
    return value;
}

std::optional<double> numericValue(const QString& text) {
    qsizetype pos = 0;
    while (pos < text.size() && isBlank(text.at(pos))) ++pos;
    std::string scanned;
    pos = scanNumber(text, pos, false, scanned);
    if (pos < 0) return std::nullopt;
    while (pos < text.size() && isBlank(text.at(pos))) ++pos;
    if (pos != text.size()) return std::nullopt;
    return parseScanned(scanned);
}

// Nearest whole number, halves to the even neighbour, whatever the floating-point mode.
double roundHalfEven(double value) {
    const double floor = std::floor(value);
    const double diff = value - floor;
    if (diff < 0.5) return floor;
    if (diff > 0.5) return floor + 1;
    return std::fmod(floor, 2.0) == 0 ? floor : floor + 1;
}

template <typename Int>
std::optional<Int> toWhole(double value) {
    if (!std::isfinite(value)) return std::nullopt;
    const double r = roundHalfEven(value);
    if (r < static_cast<double>(std::numeric_limits<Int>::min()) ||
        r > static_cast<double>(std::numeric_limits<Int>::max()))
        return std::nullopt;
    return static_cast<Int>(r);
}

}  // namespace

bool isNumeric(const QString& text) {
    return numericValue(text).has_value();
}

double leadingNumber(const QString& text) {
    std::string scanned;
    if (scanNumber(text, 0, true, scanned) < 0) return 0;
    // A number too large for a double is no usable number.
    return parseScanned(scanned).value_or(0);
}

std::optional<std::int32_t> toInt32(double value) {
    return toWhole<std::int32_t>(value);
}

std::optional<std::int16_t> toInt16(double value) {
    return toWhole<std::int16_t>(value);
}

std::optional<std::int32_t> numericInt32(const QString& text) {
    const std::optional<double> value = numericValue(text);
    if (!value) return std::nullopt;
    return toInt32(*value);
}

// ---- Text forms -----------------------------------------------------------------------------

QString decimalText(std::int64_t value) {
    return QString::number(value);
}

QString colourText(std::uint32_t colour) {
    return QString::number(static_cast<std::int32_t>(colour));
}

QString sizeText(double size) {
    QString text = QString::number(size, 'f', 4);
    if (text.contains(QChar(u'.'))) {
        while (text.endsWith(QChar(u'0'))) text.chop(1);
        if (text.endsWith(QChar(u'.'))) text.chop(1);
    }
    if (text == QStringLiteral("-0")) text = QStringLiteral("0");
    return text;
}

QString singleSizeText(float size) {
    QString text = QString::number(static_cast<double>(size), 'g', 7);
    if (text == QStringLiteral("-0")) text = QStringLiteral("0");
    return text;
}

}  // namespace zelk
