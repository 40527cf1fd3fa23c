#include <fontconfig/fontconfig.h>
#include <gtest/gtest.h>

#include <QFont>
#include <QGuiApplication>
#include <QLocale>

#include <algorithm>

#include "component/fixedfield.h"
#include "component/zelkmodule.h"
#include "support/qtprint.h"

using namespace zelk;

namespace {

struct TextCase {
    const char* name;
    QString in;
    QString out;
    friend void PrintTo(const TextCase& c, std::ostream* os) { *os << c.name; }
};
std::string caseName(const ::testing::TestParamInfo<TextCase>& i) {
    return i.param.name;
}

class Trim : public ::testing::TestWithParam<TextCase> {};
TEST_P(Trim, CutsAtNulAndStripsTrailingBlanksOnly) {
    EXPECT_EQ(TrimFixedField(GetParam().in), GetParam().out);
}
INSTANTIATE_TEST_SUITE_P(
    Cases, Trim,
    ::testing::Values(TextCase{"Nul", QString::fromUtf16(u"abc\0xyz", 7), "abc"},
                      TextCase{"TrailingBlanks", "abc   ", "abc"},
                      TextCase{"LeadingBlanksStay", "  abc", "  abc"}, TextCase{"Empty", "", ""},
                      TextCase{"StartsWithNul", QString::fromUtf16(u"\0abc", 4), ""},
                      TextCase{"TabStays", "abc\t ", "abc\t"},
                      TextCase{"LongBeforeNul", QString(40000, 'a') + QChar(0),
                               QString(40000, 'a')}),
    caseName);

// Font names: the stored form, and what a stored form decodes to with installed fonts
// "Arial", "Times New Roman", "Timeless", "MS UI GOTHIC", "宋体", on a desktop that prefers none
// of the fonts a case installs (whatever this machine's fontconfig prefers).
class FontNames : public ::testing::Test {
  protected:
    void SetUp() override {
        setInstalledFontsProvider([] {
            return QStringList{"Arial", "Times New Roman", "Timeless", "MS UI GOTHIC"};
        });
        setPreferredFontsProvider([] { return QStringList{"DejaVu Sans"}; });
    }
    void TearDown() override {
        setInstalledFontsProvider(nullptr);
        setPreferredFontsProvider(nullptr);
    }
};

TEST_F(FontNames, EncodeShortensToTenBytesOrFourCharactersAndStar) {
    EXPECT_EQ(EncodeFontName("宋体"), "宋体");
    EXPECT_EQ(EncodeFontName("Times New Roman   "), "Time*");
    EXPECT_EQ(EncodeFontName("MS UI GOTHIC"), "MS UI GOTH");
    EXPECT_EQ(EncodeFontName("方正小标宋体"), "方正小标*");
    EXPECT_EQ(EncodeFontName("ABCDEFGHIJK"), "ABCDEFGHIJ");
    EXPECT_EQ(EncodeFontName("ABCDEFGHIJ"), "ABCDEFGHIJ");
    EXPECT_EQ(EncodeFontName("华文AB细黑"), "华文AB细黑");  // exactly 10 bytes
}

TEST_F(FontNames, DecodeMatchesPrefixesAgainstInstalledFonts) {
    EXPECT_EQ(DecodeFontName("Time*"), "Times New Roman");
    EXPECT_EQ(DecodeFontName("MS UI GOTH"), "MS UI GOTHIC");
    EXPECT_EQ(DecodeFontName("*"), "Arial");
    EXPECT_EQ(DecodeFontName("宋体"), "宋体");
    EXPECT_EQ(DecodeFontName("Courier"), "Courier");
    EXPECT_EQ(DecodeFontName("time*"), "宋体");  // case-sensitive
    setInstalledFontsProvider([] { return QStringList{"Arial"}; });
    EXPECT_EQ(DecodeFontName("Time*"), "宋体");
    EXPECT_EQ(DecodeFontName("宋体"), "宋体");
}

// A picked font comes back: a shortened form decodes to the one font chosen among those stored
// that way, and the lists offer only fonts that come back as themselves.
TEST_F(FontNames, PickedFontsComeBack) {
    setInstalledFontsProvider([] {
        return QStringList{"Noto Mono", "Noto Sans CJK SC", "Noto Serif CJK SC"};
    });
    EXPECT_EQ(EncodeFontName("Noto Sans CJK SC"), "Noto*");
    EXPECT_EQ(DecodeFontName("Noto*"), "Noto Sans CJK SC");
    EXPECT_EQ(DecodeFontName("Noto Mono"), "Noto Mono");
    EXPECT_EQ(storableFonts(installedFonts()), (QStringList{"Noto Mono", "Noto Sans CJK SC"}));
    setInstalledFontsProvider(nullptr);
    for (const QString& font : storableFonts(installedFonts()))
        EXPECT_EQ(DecodeFontName(EncodeFontName(font)), font) << font.toStdString();
}

// Among installed fonts of one stored form, whatever their listing order: the program's default
// family, the desktop's Chinese and plain sans-serif, serif and monospace families, the shortest
// name, the first in plain order. Each preferred name is longer than kShort.
const QString kDefault = "Noto Sans Display", kSansZh = "Noto Sans CJK SC",
              kSans = "Noto Sans Text", kSerifZh = "Noto Serif CJK SC", kSerif = "Noto Serif Text",
              kMonoZh = "Noto Sans Mono CJK SC", kMono = "Noto Sans Mono", kShort = "Noto Sans Yi";

struct ChoiceCase {
    const char* name;
    QStringList installed;
    QString chosen;
    friend void PrintTo(const ChoiceCase& c, std::ostream* os) { *os << c.name; }
};

class FontChoice : public ::testing::TestWithParam<ChoiceCase> {
    void TearDown() override {
        setInstalledFontsProvider(nullptr);
        setPreferredFontsProvider(nullptr);
    }
};

TEST_P(FontChoice, OneFontPerStoredFormWhateverTheListingOrder) {
    setPreferredFontsProvider(
        [] { return QStringList{kDefault, kSansZh, kSans, kSerifZh, kSerif, kMonoZh, kMono}; });
    QStringList listed = GetParam().installed;
    for (int turn = 0; turn < listed.size(); ++turn) {
        std::rotate(listed.begin(), listed.begin() + 1, listed.end());
        for (const QStringList& fonts : {listed, QStringList(listed.crbegin(), listed.crend())}) {
            setInstalledFontsProvider([fonts] { return fonts; });
            EXPECT_EQ(DecodeFontName("Noto*"), GetParam().chosen) << fonts.join(", ").toStdString();
            // A form no installed font is stored as: the same choice among the prefix's fonts.
            EXPECT_EQ(DecodeFontName("Not*"), GetParam().chosen);
            EXPECT_EQ(storableFonts(fonts), QStringList{GetParam().chosen});
        }
    }
}

INSTANTIATE_TEST_SUITE_P(
    Rule, FontChoice,
    ::testing::Values(
        ChoiceCase{"Default",
                   {kShort, kMono, kMonoZh, kSerif, kSerifZh, kSans, kSansZh, kDefault},
                   kDefault},
        ChoiceCase{
            "ChineseSans", {kShort, kMono, kMonoZh, kSerif, kSerifZh, kSans, kSansZh}, kSansZh},
        ChoiceCase{"Sans", {kShort, kMono, kMonoZh, kSerif, kSerifZh, kSans}, kSans},
        ChoiceCase{"ChineseSerif", {kShort, kMono, kMonoZh, kSerif, kSerifZh}, kSerifZh},
        ChoiceCase{"Serif", {kShort, kMono, kMonoZh, kSerif}, kSerif},
        ChoiceCase{"ChineseMono", {kShort, kMono, kMonoZh}, kMonoZh},
        ChoiceCase{"Mono", {kShort, kMono}, kMono},
        ChoiceCase{"Shortest", {"Noto Sans CJK HK", kShort, "Noto Sans Thai"}, kShort},
        ChoiceCase{"PlainOrder", {"Noto Sans CJK KR", "Noto Sans CJK HK"}, "Noto Sans CJK HK"}),
    [](const auto& info) { return std::string(info.param.name); });

// What fontconfig itself gives first for a pattern, asked as fc-match asks it.
QString fontconfigsFirst(const char* pattern) {
    FcPattern* wanted = FcNameParse(reinterpret_cast<const FcChar8*>(pattern));
    FcConfigSubstitute(nullptr, wanted, FcMatchPattern);
    FcDefaultSubstitute(wanted);
    FcResult result = FcResultNoMatch;
    FcPattern* match = FcFontMatch(nullptr, wanted, &result);
    FcChar8* family = nullptr;
    QString first;
    if (match && FcPatternGetString(match, FC_FAMILY, 0, &family) == FcResultMatch)
        first = QString::fromUtf8(reinterpret_cast<const char*>(family));
    if (match) FcPatternDestroy(match);
    FcPatternDestroy(wanted);
    return first;
}

// The machine's own fonts, whatever its locale and font settings: the program's font, then
// fontconfig's answers in the rule's order; every one of them is installed, and its stored form
// stands for the first of them stored that way, which the lists offer.
TEST(MachineFonts, StoredFormsStandForTheDesktopsFaces) {
    QStringList answers{QGuiApplication::font().family()};
    for (const char* pattern : {"sans-serif:lang=zh-cn", "sans-serif", "serif:lang=zh-cn", "serif",
                                "monospace:lang=zh-cn", "monospace"})
        answers << fontconfigsFirst(pattern);
    answers.removeAll(QString());
    answers.removeDuplicates();
    const QStringList preferred = preferredFonts();
    EXPECT_EQ(preferred, answers);
    ASSERT_GE(preferred.size(), 2);
    const QStringList installed = installedFonts();
    const QStringList offered = storableFonts(installed);
    for (const QString& face : preferred.mid(1)) {
        SCOPED_TRACE(face.toStdString());
        if (!installed.contains(face)) {
            ADD_FAILURE() << "not installed";
            continue;
        }
        const QString form = EncodeFontName(face);
        const QString first = *std::find_if(preferred.begin(), preferred.end(), [&](auto& p) {
            return installed.contains(p) && EncodeFontName(p) == form;
        });
        EXPECT_EQ(DecodeFontName(form), first);
        EXPECT_TRUE(offered.contains(first));
    }
    // The program's own font comes first once it is set.
    const QString before = DecodeFontName("Noto*");
    const QFont saved = QGuiApplication::font();
    QGuiApplication::setFont(QFont("Noto Serif CJK SC"));
    EXPECT_EQ(preferredFonts().first(), "Noto Serif CJK SC");
    EXPECT_EQ(DecodeFontName("Noto*"), "Noto Serif CJK SC");
    QGuiApplication::setFont(saved);
    EXPECT_EQ(DecodeFontName("Noto*"), before);
}

TEST(Settings, IntSettingsDefaultsAndThirteenthMember) {
    IntSettings s;
    ASSERT_TRUE(DecodeIntSettings("", s));
    EXPECT_EQ(EncodeIntSettings(s), "1111111011110");
    IntSettings t;
    ASSERT_TRUE(DecodeIntSettings("1111111011112", t));
    EXPECT_EQ(t.m[13], 2);
    IntSettings u;
    // Its own characters, then the whole default: 14 characters, so member 13 comes from it.
    ASSERT_TRUE(DecodeIntSettings("23", u));
    EXPECT_EQ(EncodeIntSettings(u), "2311111110111");
    s.m[13] = 1;
    ASSERT_TRUE(DecodeIntSettings(EncodeIntSettings(s), t));
    EXPECT_EQ(EncodeIntSettings(s), "1111111011111");
    EXPECT_EQ(t.m, s.m);
}

TEST(Settings, NonDigitFailsAndKeepsMembersBeforeIt) {
    IntSettings s;
    EXPECT_FALSE(DecodeIntSettings("12x456789012", s));
    EXPECT_EQ(s.m[1], 1);
    EXPECT_EQ(s.m[2], 2);
    EXPECT_EQ(s.m[3], 0);
    DigitSettings10 d;
    EXPECT_FALSE(DecodeDigits10("9 12345678", d));
    EXPECT_EQ(d.m[1], 9);
}

TEST(Settings, SwitchesFontStyleAndDigits10) {
    SwitchSettings w;
    DecodeSwitches("1", w);
    EXPECT_EQ(EncodeSwitches(w), "101111111101011");
    DecodeSwitches("x11111111111111", w);
    EXPECT_FALSE(w.m[1]);
    FontStyleFlags f{true, false, true, false};
    EXPECT_EQ(EncodeFontStyle(f), "1010");
    FontStyleFlags g;
    DecodeFontStyle("01", g);  // "01" + "0000"
    EXPECT_TRUE(!g.bold && g.italic && !g.underline && !g.strikethrough);
    DigitSettings10 d;
    ASSERT_TRUE(DecodeDigits10("12345", d));
    EXPECT_EQ(EncodeDigits10(d), "0000000000");
    ASSERT_TRUE(DecodeDigits10("0123456789  ", d));
    EXPECT_EQ(EncodeDigits10(d), "0123456789");
}

TEST(Settings, EncodersClampMembersSoNoneShifts) {
    IntSettings s;
    s.m[1] = 12;
    s.m[2] = -3;
    s.m[12] = 1000;
    EXPECT_EQ(EncodeIntSettings(s), "9000000000090");
    DigitSettings10 d;
    d.m[3] = -1;
    d.m[4] = 10;
    d.m[10] = 7;
    EXPECT_EQ(EncodeDigits10(d), "0009000007");
}

TEST(Kinds, NamesAndCodesRoundTrip) {
    for (std::int16_t code = 1; code <= 7; ++code)
        EXPECT_EQ(GetInterfaceKindCode(GetInterfaceKindName(code)), code);
    EXPECT_EQ(GetInterfaceKindName(1), "录入条目");
    EXPECT_EQ(GetInterfaceKindName(7), "子表界面");
    for (std::int16_t code : {0, 8, 9, -1}) EXPECT_EQ(GetInterfaceKindName(code), "未知类型界面");
    EXPECT_EQ(GetInterfaceKindCode("未知类型界面"), 8);
    EXPECT_EQ(GetInterfaceKindCode("录入条目 "), 8);
}

struct NumberCase {
    const char* name;
    QString text;
    bool numeric;
    double leading;
    friend void PrintTo(const NumberCase& c, std::ostream* os) { *os << c.name; }
};
class Numbers : public ::testing::TestWithParam<NumberCase> {};
TEST_P(Numbers, NumericAndLeadingNumber) {
    EXPECT_EQ(isNumeric(GetParam().text), GetParam().numeric);
    EXPECT_DOUBLE_EQ(leadingNumber(GetParam().text), GetParam().leading);
}
INSTANTIATE_TEST_SUITE_P(
    Cases, Numbers,
    ::testing::Values(NumberCase{"Int", "12", true, 12}, NumberCase{"Blanks", " -12 ", true, -12},
                      NumberCase{"ExpNeg", "1.5E-2", true, 0.015},
                      NumberCase{"Points", "1.", true, 1},
                      NumberCase{"PointFirst", ".5", true, 0.5}, NumberCase{"Empty", "", false, 0},
                      NumberCase{"Point", ".", false, 0}, NumberCase{"Sign", "+", false, 0},
                      NumberCase{"NegTrail", "  -3.5x", false, -3.5},
                      NumberCase{"TwoPoints", "1.2.3", false, 1.2},
                      NumberCase{"BareExp", "2e", false, 2},
                      NumberCase{"InnerBlank", "1 000", false, 1000},
                      NumberCase{"Huge", "1e999", false, 0}, NumberCase{"Tab", "\t5\n", true, 5}),
    [](const auto& i) { return std::string(i.param.name); });

TEST(Numbers, WholeNumbersRoundHalvesToEvenAndRefuseOutOfRange) {
    const double halves[][2] = {{10.5, 10}, {11.5, 12}, {-2.5, -2},
                                {-3.5, -4}, {0.49, 0},  {2.51, 3}};
    for (auto [v, r] : halves) EXPECT_EQ(toInt32(v), static_cast<std::int32_t>(r)) << v;
    EXPECT_EQ(toInt32(2147483647.4), 2147483647);
    EXPECT_EQ(toInt32(-2147483648.5), -2147483648);
    EXPECT_EQ(toInt32(2147483647.5), std::nullopt);
    EXPECT_EQ(toInt32(std::nan("")), std::nullopt);
    EXPECT_EQ(toInt16(32767.5), std::nullopt);
    EXPECT_EQ(toInt16(-32768.4), -32768);
    EXPECT_EQ(numericInt32(" 10.5 "), 10);
    EXPECT_EQ(numericInt32("-2147483633"), -2147483633);
    EXPECT_EQ(numericInt32("3e10"), std::nullopt);
    EXPECT_EQ(numericInt32("12px"), std::nullopt);
}

TEST(TextForms, LocaleFreeShortestForms) {
    QLocale::setDefault(QLocale(QLocale::German));
    EXPECT_EQ(colourText(0x8000000Fu), "-2147483633");
    EXPECT_EQ(sizeText(9), "9");
    EXPECT_EQ(sizeText(10.5), "10.5");
    EXPECT_EQ(sizeText(7.123456), "7.1235");
    EXPECT_EQ(sizeText(-0.00001), "0");
    EXPECT_EQ(singleSizeText(9.0f), "9");
    EXPECT_EQ(singleSizeText(10.1f), "10.1");
    EXPECT_EQ(singleSizeText(1.0f / 3.0f), "0.3333333");
    QLocale::setDefault(QLocale::c());
}

}  // namespace
