#pragma once
// ZELKModule: the small conversions every window applies to the records it exchanges with the
// data-access library: fixed-field trimming, settings digit strings, interface-kind names,
// alignment codes, stored font names, and the number routines and text forms of item rows.

#include <array>
#include <cstdint>
#include <functional>
#include <optional>

#include <QString>
#include <QStringList>

namespace zelk {

struct INDTRecord;

// ---- Module-wide values ---------------------------------------------------------------------
// The system and main table the component works on: set by the host-facing init and by the main
// window's init, read by the windows that need them (approval steps, the designers' add-field).
extern QString gSystemName;
extern QString gMainTable;

// ---- Fixed fields ---------------------------------------------------------------------------
// Cut at the first NUL (code 0), then strip trailing blanks (code 32 only).
QString TrimFixedField(const QString& text);

// ---- Settings digit strings ---------------------------------------------------------------
// Members are 1-based as the stored texts count them: m[1] is the first digit; m[0] is unused.
// Booleans are true/false in memory; "1"/"0" in the text.
inline constexpr const char* kIntSettingsDefault = "111111101111";
inline constexpr const char* kSwitchSettingsDefault = "011111111010110";
inline constexpr const char* kFontStyleDefault = "0000";
inline constexpr const char* kDigits10Default = "0000000000";

struct IntSettings {
    std::array<std::int32_t, 14> m{};  // members 1-12 (32-bit), 13 (16-bit label alignment)
};
struct SwitchSettings {
    std::array<bool, 16> m{};  // members 1-15
};
struct FontStyleFlags {
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool strikethrough = false;
};
struct DigitSettings10 {
    std::array<std::int16_t, 11> m{};  // members 1-10
};

// Decoders fill the record passed in. A text shorter than its default has the whole default
// appended first (Digits10: replaced by the default). Returns false when a character that must
// be a digit is not one; members filled before it keep their values.
bool DecodeIntSettings(const QString& text, IntSettings& settings);
QString EncodeIntSettings(const IntSettings& settings);  // 13 digits
bool DecodeSwitches(const QString& text, SwitchSettings& switches);
QString EncodeSwitches(const SwitchSettings& switches);  // 15 digits
bool DecodeFontStyle(const QString& text, FontStyleFlags& flags);
QString EncodeFontStyle(const FontStyleFlags& flags);  // 4 digits
bool DecodeDigits10(const QString& text, DigitSettings10& digits);
QString EncodeDigits10(const DigitSettings10& digits);  // 10 digits

QString BoolToDigit(bool value);
std::int32_t BoolToInt(bool value);

// ---- Interface kinds ----------------------------------------------------------------------
QString GetInterfaceKindName(std::int16_t code);         // "未知类型界面" outside 1..7
std::int16_t GetInterfaceKindCode(const QString& name);  // 8 for any other text

// Whether an interface row holds the empty application flag (id07) that makes it the default of
// its kind: the field as every reader takes it (TrimFixedField), then empty. Blanks are empty; a
// tab or a full-width space is a flag. Writers decide on the row they will store.
bool HasDefaultFlag(const INDTRecord& row);

// What is said of a class without a class template: a heading and its own sentence. A class name
// of blanks only is the main table's level, whose missing template is the base template.
struct MissingTemplateTexts {
    QString title;
    QString note;
};
MissingTemplateTexts missingTemplateTexts(const QString& className);

// ---- Alignment of the plain text box (date items) ----------------------------------------
std::int32_t AlignmentToTextAlign(std::int32_t alignment);
std::int32_t TextAlignToAlignment(std::int32_t textAlign);

// ---- Stored font names ----------------------------------------------------------------------
// The returned texts carry no NUL; the field writer adds it.
QString EncodeFontName(const QString& name);
QString DecodeFontName(const QString& stored);
inline constexpr const char* kFallbackFontName = "宋体";
// The installed screen fonts, in the system's order. Tests replace the provider; nullptr
// restores the real one.
void setInstalledFontsProvider(std::function<QStringList()> provider);
QStringList installedFonts();
// The families the desktop prefers, best first: among installed fonts of one stored form the
// first of these is the one the form stands for, else the shortest name. Tests replace the
// provider as above.
void setPreferredFontsProvider(std::function<QStringList()> provider);
QStringList preferredFonts();
// The fonts among `fonts` whose stored form decodes back to themselves, in their order.
QStringList storableFonts(const QStringList& fonts);

// ---- Numbers in text ------------------------------------------------------------------------
// "Is numeric": optional blanks, a sign, digits with at most one decimal point, an optional
// exponent, optional blanks.
bool isNumeric(const QString& text);
// The number the text begins with, 0 when it begins with none. Blanks, tabs and line feeds
// before and inside the number are passed over ("1 000" reads 1000).
double leadingNumber(const QString& text);
// Rounded to the nearest whole number, halves to the even neighbour; nullopt outside the range.
std::optional<std::int32_t> toInt32(double value);
std::optional<std::int16_t> toInt16(double value);
// The text's number as a 32-bit integer when the text is numeric and in range, else nullopt.
std::optional<std::int32_t> numericInt32(const QString& text);

// Text forms of item-row columns.
QString decimalText(std::int64_t value);   // "decimal": whole number, "-" when negative
QString colourText(std::uint32_t colour);  // "colour": read as a signed 32-bit integer
QString sizeText(double size);             // "size": rounded to 4 decimals, no trailing zeros
QString singleSizeText(float size);        // "single size": up to 7 significant digits

}  // namespace zelk
