#include <gtest/gtest.h>

#include <QImage>
#include <QMouseEvent>
#include <QPainter>
#include <QTemporaryDir>
#include <QTest>
#include <functional>
#include <memory>

#include "platform/controlarray.h"
#include "platform/controls/designcontrols.h"

namespace zelk {
namespace {

// One factory per control kind and the array whose template it starts from.
struct KindCase {
    const char* name;
    DesignArray array;
    std::function<DesignControl*(QWidget*)> make;
};

template <class T>
std::function<DesignControl*(QWidget*)> factory(DesignArray array) {
    return [array](QWidget* parent) {
        auto* c = new T(parent);
        c->applyTemplate(array);
        return c;
    };
}

// ----- template defaults -------------------------------------------------------------------

struct TemplateCase {
    KindCase kind;
    std::int32_t foreColor;
    std::int32_t backColor;
    // Further template values of the kind, checked by the case itself.
    std::function<void(DesignControl&)> check;
};

void PrintTo(const TemplateCase& c, std::ostream* os) {
    *os << c.kind.name;
}

class TemplateDefaults : public ::testing::TestWithParam<TemplateCase> {};

std::int32_t foreOf(DesignControl& c) {
    if (auto* f = qobject_cast<DesignFontControl*>(&c)) return f->ForeColor();
    if (auto* p = qobject_cast<DesignPictureBox*>(&c)) return p->ForeColor();
    return static_cast<DesignLine&>(c).BorderColor();
}

std::int32_t backOf(DesignControl& c) {
    if (auto* f = qobject_cast<DesignFontControl*>(&c)) return f->BackColor();
    if (auto* p = qobject_cast<DesignPictureBox*>(&c)) return p->BackColor();
    return 0;
}

TEST_P(TemplateDefaults, StartsWithTheOriginalValues) {
    const TemplateCase& tc = GetParam();
    QWidget canvas;
    std::unique_ptr<DesignControl> c(tc.kind.make(&canvas));
    EXPECT_EQ(c->Name(), designArrayName(tc.kind.array));
    EXPECT_EQ(c->Tag(), QString());
    EXPECT_TRUE(c->Enabled());
    EXPECT_EQ(foreOf(*c), tc.foreColor);
    EXPECT_EQ(backOf(*c), tc.backColor);
    if (auto* f = qobject_cast<DesignFontControl*>(c.get())) {
        EXPECT_EQ(f->FontName(), QStringLiteral("宋体"));
        EXPECT_EQ(f->FontSize(), 9.0);
        EXPECT_FALSE(f->FontBold() || f->FontItalic() || f->FontUnderline() || f->FontStrikethru());
    }
    tc.check(*c);
}

template <class T>
T& as(DesignControl& c) {
    return static_cast<T&>(c);
}

INSTANTIATE_TEST_SUITE_P(
    Controls, TemplateDefaults,
    ::testing::Values(
        TemplateCase{
            {"Label", DesignArray::LabelArray, factory<DesignLabel>(DesignArray::LabelArray)},
            SysColor::ButtonText,
            SysColor::ButtonFace,
            [](DesignControl& c) {
                auto& l = as<DesignLabel>(c);
                EXPECT_EQ(l.BorderColor(), SysColor::WindowFrame);
                EXPECT_EQ(l.BackStyle(), 1);
                EXPECT_EQ(l.BorderStyle(), 0);
                EXPECT_EQ(l.SpecialEffect(), 0);
                EXPECT_EQ(l.TextAlign(), 1);
                EXPECT_TRUE(l.WordWrap());
                EXPECT_FALSE(l.AutoSize());
            }},
        TemplateCase{{"TextBox", DesignArray::TextBoxArray,
                      factory<DesignTextBox>(DesignArray::TextBoxArray)},
                     SysColor::WindowText,
                     SysColor::Window,
                     [](DesignControl& c) {
                         auto& t = as<DesignTextBox>(c);
                         EXPECT_EQ(t.SpecialEffect(), 2);
                         EXPECT_EQ(t.BorderColor(), SysColor::WindowFrame);
                         EXPECT_FALSE(t.MultiLine());
                         EXPECT_TRUE(t.TabStop());
                         EXPECT_TRUE(t.HideSelection());
                         EXPECT_TRUE(t.IntegralHeight());
                         EXPECT_EQ(t.EnterFieldBehavior(), 0);
                         EXPECT_EQ(t.MaxLength(), 0);
                     }},
        TemplateCase{{"MemoBox", DesignArray::MemoBoxArray,
                      factory<DesignTextBox>(DesignArray::MemoBoxArray)},
                     SysColor::WindowText,
                     SysColor::Window,
                     [](DesignControl& c) { EXPECT_TRUE(as<DesignTextBox>(c).MultiLine()); }},
        TemplateCase{{"CheckBox", DesignArray::CheckBoxArray,
                      factory<DesignCheckBox>(DesignArray::CheckBoxArray)},
                     SysColor::ButtonText,
                     SysColor::ButtonFace,
                     [](DesignControl& c) {
                         auto& k = as<DesignCheckBox>(c);
                         EXPECT_EQ(k.Value(), 0);
                         EXPECT_EQ(k.SpecialEffect(), 2);
                         EXPECT_FALSE(k.TripleState());
                     }},
        TemplateCase{{"ComboBox", DesignArray::ComboBoxArray,
                      factory<DesignComboBox>(DesignArray::ComboBoxArray)},
                     SysColor::WindowText,
                     SysColor::Window,
                     [](DesignControl& c) {
                         EXPECT_EQ(as<DesignComboBox>(c).SpecialEffect(), 2);
                         EXPECT_EQ(as<DesignComboBox>(c).BorderColor(), SysColor::WindowFrame);
                     }},
        TemplateCase{{"ListBox", DesignArray::ListBoxArray,
                      factory<DesignListBox>(DesignArray::ListBoxArray)},
                     SysColor::WindowText,
                     SysColor::Window,
                     [](DesignControl& c) {
                         EXPECT_EQ(as<DesignListBox>(c).ListCount(), 0);
                         EXPECT_TRUE(as<DesignListBox>(c).IntegralHeight());
                     }},
        TemplateCase{
            {"Frame", DesignArray::FrameArray, factory<DesignFrame>(DesignArray::FrameArray)},
            SysColor::ButtonText,
            SysColor::ButtonFace,
            [](DesignControl& c) {
                EXPECT_EQ(as<DesignFrame>(c).SpecialEffect(), 3);
                EXPECT_EQ(as<DesignFrame>(c).BorderColor(), SysColor::ButtonText);
            }},
        TemplateCase{{"PictureBox", DesignArray::ShapeArray,
                      factory<DesignPictureBox>(DesignArray::ShapeArray)},
                     SysColor::ButtonText,
                     SysColor::ButtonFace,
                     [](DesignControl& c) {
                         EXPECT_EQ(as<DesignPictureBox>(c).BorderStyle(), 1);
                         EXPECT_EQ(as<DesignPictureBox>(c).DrawWidth(), 1);
                     }},
        TemplateCase{{"Line", DesignArray::LineArray, factory<DesignLine>(DesignArray::LineArray)},
                     SysColor::WindowText,
                     0,
                     [](DesignControl& c) { EXPECT_EQ(as<DesignLine>(c).BorderWidth(), 1); }},
        TemplateCase{{"PlainTextBox", DesignArray::DatePickerArray,
                      factory<DesignPlainTextBox>(DesignArray::DatePickerArray)},
                     SysColor::WindowText,
                     SysColor::Window,
                     [](DesignControl& c) {
                         auto& d = as<DesignPlainTextBox>(c);
                         EXPECT_EQ(d.Alignment(), 0);
                         EXPECT_EQ(d.Appearance(), 1);
                         EXPECT_EQ(d.BorderStyle(), 1);
                     }}),
    [](const auto& info) { return std::string(info.param.kind.name); });

TEST(TemplateDefaults, SystemColoursAreTheSignedValues) {
    EXPECT_EQ(SysColor::Window, -2147483643);
    EXPECT_EQ(SysColor::ButtonFace, static_cast<std::int32_t>(0x8000000F));
    EXPECT_EQ(SysColor::WindowText, static_cast<std::int32_t>(0x80000008));
}

// ----- refused values ----------------------------------------------------------------------

// A setter given a value the original refused returns false and the property keeps its value.
struct RefusalCase {
    const char* name;
    std::function<bool(QWidget*)> refusedAndKept;
};

void PrintTo(const RefusalCase& c, std::ostream* os) {
    *os << c.name;
}

class RefusedValues : public ::testing::TestWithParam<RefusalCase> {};

TEST_P(RefusedValues, KeepTheOldValue) {
    QWidget canvas;
    EXPECT_TRUE(GetParam().refusedAndKept(&canvas));
}

// Sets good, then tries bad: true when bad is refused and good stays.
template <class C, class T, class V>
std::function<bool(QWidget*)> refuses(bool (T::*set)(V), V (T::*get)() const, V good, V bad) {
    return [=](QWidget* parent) {
        C c(parent);
        if (!(c.*set)(good)) return false;
        return !(c.*set)(bad) && (c.*get)() == good;
    };
}

INSTANTIATE_TEST_SUITE_P(
    Controls, RefusedValues,
    ::testing::Values(
        RefusalCase{"LabelSpecialEffect4", refuses<DesignLabel>(&DesignLabel::setSpecialEffect,
                                                                &DesignLabel::SpecialEffect, 6, 4)},
        RefusalCase{"TextBoxSpecialEffect5",
                    refuses<DesignTextBox>(&DesignTextBox::setSpecialEffect,
                                           &DesignTextBox::SpecialEffect, 3, 5)},
        RefusalCase{"CheckBoxSpecialEffectRaised",
                    refuses<DesignCheckBox>(&DesignCheckBox::setSpecialEffect,
                                            &DesignCheckBox::SpecialEffect, 0, 1)},
        RefusalCase{"LabelBorderStyle2", refuses<DesignLabel>(&DesignLabel::setBorderStyle,
                                                              &DesignLabel::BorderStyle, 1, 2)},
        RefusalCase{"ComboBackStyle2", refuses<DesignComboBox>(&DesignComboBox::setBackStyle,
                                                               &DesignComboBox::BackStyle, 0, 2)},
        RefusalCase{"TextBoxTextAlign0", refuses<DesignTextBox>(&DesignTextBox::setTextAlign,
                                                                &DesignTextBox::TextAlign, 3, 0)},
        RefusalCase{"ListBoxTextAlign4", refuses<DesignListBox>(&DesignListBox::setTextAlign,
                                                                &DesignListBox::TextAlign, 2, 4)},
        RefusalCase{"ComboMaxLengthNegative",
                    refuses<DesignComboBox>(&DesignComboBox::setMaxLength,
                                            &DesignComboBox::MaxLength, 20, -1)},
        RefusalCase{"TextBoxBackColorAboveRgb",
                    refuses<DesignTextBox>(&DesignTextBox::setBackColor, &DesignTextBox::BackColor,
                                           255, 0x01000000)},
        RefusalCase{"LabelForeColorUnknownSystemIndex",
                    refuses<DesignLabel>(&DesignLabel::setForeColor, &DesignLabel::ForeColor,
                                         SysColor::ButtonFace, SysColor::make(0xFF))},
        RefusalCase{"FrameFontSizeZero", refuses<DesignFrame>(&DesignFrame::setFontSize,
                                                              &DesignFrame::FontSize, 10.5, 0.0)},
        RefusalCase{
            "TextBoxWidthNegative",
            refuses<DesignTextBox>(&DesignTextBox::setWidth, &DesignTextBox::Width, 1200.0, -15.0)},
        RefusalCase{"LabelHeightNaN",
                    refuses<DesignLabel>(&DesignLabel::setHeight, &DesignLabel::Height, 300.0,
                                         std::nan(""))},
        RefusalCase{"DateAlignment3",
                    refuses<DesignPlainTextBox>(&DesignPlainTextBox::setAlignment,
                                                &DesignPlainTextBox::Alignment, 2, 3)},
        RefusalCase{"DateAppearance2",
                    refuses<DesignPlainTextBox>(&DesignPlainTextBox::setAppearance,
                                                &DesignPlainTextBox::Appearance, 0, 2)},
        RefusalCase{"PictureDrawWidth0",
                    refuses<DesignPictureBox>(&DesignPictureBox::setDrawWidth,
                                              &DesignPictureBox::DrawWidth, 3, 0)},
        RefusalCase{"PictureMousePointer16",
                    refuses<DesignPictureBox>(&DesignPictureBox::setMousePointer,
                                              &DesignPictureBox::MousePointer, 8, 16)},
        RefusalCase{"LineBorderWidth0", refuses<DesignLine>(&DesignLine::setBorderWidth,
                                                            &DesignLine::BorderWidth, 2, 0)},
        RefusalCase{
            "FrameBorderWidthNegative",
            refuses<DesignFrame>(&DesignFrame::setBorderWidth, &DesignFrame::BorderWidth, 3, -1)}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(RefusedValues, MoveWithANegativeSizeChangesNothing) {
    DesignTextBox t;
    ASSERT_TRUE(t.Move(100, 200, 1500, 300));
    EXPECT_FALSE(t.Move(900, 900, -1, 300));
    EXPECT_EQ(t.Left(), 100);
    EXPECT_EQ(t.Top(), 200);
    EXPECT_EQ(t.Width(), 1500);
}

// ----- copyPropertiesFrom ------------------------------------------------------------------

void setFontSide(DesignFontControl& c) {
    c.Move(135.5, 270.25, 1995, 412.5);
    c.setFontName(QStringLiteral("黑体"));
    c.setFontSize(10.5);
    c.setFontBold(true);
    c.setFontItalic(true);
    c.setFontUnderline(true);
    c.setFontStrikethru(true);
    c.setForeColor(255);
    c.setBackColor(SysColor::InfoBackground);
}

void setCommonSide(DesignControl& c) {
    c.setTag(QStringLiteral("17"));
    c.setToolTipText(QStringLiteral("提示"));
    c.setEnabled(false);
}

// Every property of a control as text, so that a copy can be compared whole.
QString dump(DesignControl& c) {
    QStringList out{c.Name(), c.Tag(), c.ToolTipText(), QString::number(c.Enabled())};
    if (auto* b = qobject_cast<DesignBox*>(&c)) {
        out << QString::number(b->Left()) << QString::number(b->Top())
            << QString::number(b->Width()) << QString::number(b->Height());
    }
    if (auto* f = qobject_cast<DesignFontControl*>(&c)) {
        out << f->FontName() << QString::number(f->FontSize()) << QString::number(f->FontBold())
            << QString::number(f->FontItalic()) << QString::number(f->FontUnderline())
            << QString::number(f->FontStrikethru()) << QString::number(f->ForeColor())
            << QString::number(f->BackColor());
    }
    return out.join('|');
}

struct CopyCase {
    const char* name;
    // Builds a source with every property changed and checks a copy of it.
    std::function<void()> run;
};

void PrintTo(const CopyCase& c, std::ostream* os) {
    *os << c.name;
}

template <class T>
void checkCopy(const std::function<void(T&)>& scramble) {
    T source;
    source.setName(QStringLiteral("SourceArray"));
    setCommonSide(source);
    if constexpr (std::is_base_of_v<DesignFontControl, T>) setFontSide(source);
    scramble(source);
    ASSERT_FALSE(source.props() == T().props()) << "the scramble changes the kind's own values";
    T target;
    target.setIndex(4);
    target.copyPropertiesFrom(source);
    EXPECT_EQ(target.props(), source.props());
    EXPECT_EQ(dump(target).toStdString(), dump(source).toStdString());
    EXPECT_EQ(target.Index(), 4);
    EXPECT_EQ(target.geometry(), source.geometry());
}

class CopyProperties : public ::testing::TestWithParam<CopyCase> {};

TEST_P(CopyProperties, CopiesEveryProperty) {
    GetParam().run();
}

INSTANTIATE_TEST_SUITE_P(
    Controls, CopyProperties,
    ::testing::Values(CopyCase{"Label",
                               [] {
                                   checkCopy<DesignLabel>([](DesignLabel& c) {
                                       c.setCaption("姓名");
                                       c.setAutoSize(true);
                                       c.setWordWrap(false);
                                       c.setBackStyle(0);
                                       c.setBorderStyle(1);
                                       c.setBorderColor(65280);
                                       c.setSpecialEffect(6);
                                       c.setTextAlign(3);
                                   });
                               }},
                      CopyCase{"TextBox",
                               [] {
                                   checkCopy<DesignTextBox>([](DesignTextBox& c) {
                                       c.setText("『地址』");
                                       c.setAutoSize(true);
                                       c.setBackStyle(0);
                                       c.setBorderStyle(1);
                                       c.setBorderColor(1);
                                       c.setSpecialEffect(1);
                                       c.setTextAlign(2);
                                       c.setLocked(true);
                                       c.setMaxLength(40);
                                       c.setTabStop(false);
                                       c.setWordWrap(false);
                                       c.setMultiLine(true);
                                       c.setEnterFieldBehavior(1);
                                       c.setEnterKeyBehavior(true);
                                       c.setHideSelection(false);
                                       c.setIntegralHeight(false);
                                   });
                               }},
                      CopyCase{"CheckBox",
                               [] {
                                   checkCopy<DesignCheckBox>([](DesignCheckBox& c) {
                                       c.setCaption("已婚");
                                       c.setValue(1);
                                       c.setBackStyle(0);
                                       c.setSpecialEffect(0);
                                       c.setTextAlign(2);
                                       c.setLocked(true);
                                       c.setTabStop(false);
                                       c.setWordWrap(false);
                                       c.setTripleState(true);
                                   });
                               }},
                      CopyCase{"ComboBox",
                               [] {
                                   checkCopy<DesignComboBox>([](DesignComboBox& c) {
                                       c.setText("『性别』");
                                       c.setBackStyle(0);
                                       c.setBorderStyle(1);
                                       c.setBorderColor(2);
                                       c.setSpecialEffect(0);
                                       c.setTextAlign(3);
                                       c.setLocked(true);
                                       c.setMaxLength(8);
                                       c.setTabStop(false);
                                       c.setEnterFieldBehavior(1);
                                   });
                               }},
                      CopyCase{"ListBox",
                               [] {
                                   checkCopy<DesignListBox>([](DesignListBox& c) {
                                       c.AddItem("『科室』");
                                       c.AddItem("科室");
                                       c.setBorderStyle(1);
                                       c.setBorderColor(3);
                                       c.setSpecialEffect(3);
                                       c.setTextAlign(2);
                                       c.setIntegralHeight(false);
                                       c.setLocked(true);
                                       c.setTabStop(false);
                                   });
                               }},
                      CopyCase{"Frame",
                               [] {
                                   checkCopy<DesignFrame>([](DesignFrame& c) {
                                       c.setCaption("基本情况");
                                       c.setBorderStyle(1);
                                       c.setBorderColor(4);
                                       c.setSpecialEffect(2);
                                       c.setBorderWidth(3);
                                   });
                               }},
                      CopyCase{"PictureBox",
                               [] {
                                   checkCopy<DesignPictureBox>([](DesignPictureBox& c) {
                                       c.Move(15, 30, 600, 450);
                                       c.setBackColor(255);
                                       c.setForeColor(16711680);
                                       c.setBorderStyle(0);
                                       c.setAppearance(0);
                                       c.setDrawWidth(4);
                                       c.setMousePointer(8);
                                   });
                               }},
                      CopyCase{"Line",
                               [] {
                                   checkCopy<DesignLine>([](DesignLine& c) {
                                       c.setX1(6000);
                                       c.setY1(100.5);
                                       c.setX2(200);
                                       c.setY2(1000);
                                       c.setBorderColor(255);
                                       c.setBorderWidth(3);
                                   });
                               }},
                      CopyCase{"PlainTextBox",
                               [] {
                                   checkCopy<DesignPlainTextBox>([](DesignPlainTextBox& c) {
                                       c.setText("『日期』");
                                       c.setAlignment(2);
                                       c.setAppearance(0);
                                       c.setBorderStyle(0);
                                       c.setLocked(true);
                                       c.setTabStop(false);
                                   });
                               }}),
    [](const auto& info) { return std::string(info.param.name); });

// ----- geometry ----------------------------------------------------------------------------

struct GeometryCase {
    double left, top, width, height;
    QRect pixels;
};

void PrintTo(const GeometryCase& c, std::ostream* os) {
    *os << c.left << "," << c.top << "," << c.width << "," << c.height;
}

class Geometry : public ::testing::TestWithParam<GeometryCase> {};

TEST_P(Geometry, ShownAtRoundedTwipsOverFifteen) {
    const GeometryCase& g = GetParam();
    QWidget canvas;
    DesignLabel label(&canvas);
    ASSERT_TRUE(label.Move(g.left, g.top, g.width, g.height));
    EXPECT_EQ(label.geometry(), g.pixels);
    // The model keeps the exact twips for the writers.
    EXPECT_EQ(label.Left(), g.left);
    EXPECT_EQ(label.Width(), g.width);
}

INSTANTIATE_TEST_SUITE_P(Controls, Geometry,
                         ::testing::Values(GeometryCase{0, 0, 1215, 255, QRect(0, 0, 81, 17)},
                                           GeometryCase{22.4, 7.6, 22.6, 0, QRect(1, 1, 2, 0)},
                                           GeometryCase{1222.5, 3000, 14.9, 7.4,
                                                        QRect(82, 200, 1, 0)},
                                           GeometryCase{-300, -45, 15, 30, QRect(-20, -3, 1, 2)}));

TEST(Geometry, LineEndPointsShownAtRoundedPixels) {
    QWidget canvas;
    DesignLine line(&canvas);
    line.setX1(6000);
    line.setY1(100);
    line.setX2(200);
    line.setY2(1502);
    EXPECT_EQ(line.pos() + line.startPixel(), QPoint(400, 7));
    EXPECT_EQ(line.pos() + line.endPixel(), QPoint(13, 100));
    EXPECT_TRUE(line.rect().contains(line.startPixel()));
    EXPECT_TRUE(line.rect().contains(line.endPixel()));
}

// ----- colours and fonts -------------------------------------------------------------------

struct ColourCase {
    std::int32_t value;
    bool valid;
    QColor shown;
};

void PrintTo(const ColourCase& c, std::ostream* os) {
    *os << c.value;
}

class Colours : public ::testing::TestWithParam<ColourCase> {};

TEST_P(Colours, ShownThroughTheTable) {
    const ColourCase& c = GetParam();
    EXPECT_EQ(isValidOleColor(c.value), c.valid);
    EXPECT_EQ(oleColorToQColor(c.value), c.shown);
}

INSTANTIATE_TEST_SUITE_P(
    Controls, Colours,
    ::testing::Values(ColourCase{255, true, QColor(255, 0, 0)},
                      ColourCase{0xFF0000, true, QColor(0, 0, 255)},
                      ColourCase{0x808000, true, QColor(0, 128, 128)},
                      ColourCase{-2147483643, true, QColor(255, 255, 255)},  // window
                      ColourCase{SysColor::ButtonFace, true, QColor(240, 240, 240)},
                      ColourCase{SysColor::WindowText, true, QColor(0, 0, 0)},
                      ColourCase{SysColor::Highlight, true, QColor(0x33, 0x99, 0xFF)},
                      ColourCase{-1, false, QColor(0, 0, 0)},
                      ColourCase{0x01000000, false, QColor(0, 0, 0)}));

TEST(Colours, SystemColourIsKeptAsStored) {
    DesignTextBox t;
    ASSERT_TRUE(t.setBackColor(SysColor::InfoBackground));
    EXPECT_EQ(t.BackColor(), static_cast<std::int32_t>(0x80000018));
    EXPECT_EQ(qColorToOleColor(QColor(1, 2, 3)), 0x030201);
}

TEST(Fonts, MissingFontIsShownWithAFallbackButKept) {
    DesignLabel label;
    ASSERT_TRUE(label.setFontName(QStringLiteral("不存在的字体")));
    EXPECT_EQ(label.FontName(), QStringLiteral("不存在的字体"));
    EXPECT_EQ(label.displayedFont().family(), QStringLiteral("Noto Sans CJK SC"));
    EXPECT_EQ(displayFontFamily(QStringLiteral("宋体")), QStringLiteral("Noto Serif CJK SC"));
    // 9 points at 96 dots per inch.
    EXPECT_EQ(displayFont(QStringLiteral("宋体"), 9).pixelSize(), 12);
}

// ----- the model is independent of the widget's state ---------------------------------------

TEST(ModelState, EnabledAndVisibleDoNotFollowTheCanvas) {
    QWidget canvas;
    DesignTextBox t(&canvas);
    t.show();
    canvas.setEnabled(false);
    EXPECT_TRUE(t.Enabled());
    EXPECT_TRUE(t.Visible());  // the canvas itself is not shown
    t.hide();
    EXPECT_FALSE(t.Visible());
}

class RecordingCanvas : public QWidget {
  public:
    using QWidget::QWidget;
    QPoint pressedAt{-1, -1};

  protected:
    void mousePressEvent(QMouseEvent* e) override { pressedAt = e->position().toPoint(); }
};

TEST(ModelState, MousePressesReachTheCanvas) {
    RecordingCanvas canvas;
    canvas.resize(400, 300);
    DesignComboBox combo(&canvas);
    combo.Move(1500, 1500, 1500, 300);
    canvas.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&canvas));
    QTest::mousePress(&combo, Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_EQ(canvas.pressedAt, QPoint(105, 105));
    EXPECT_EQ(canvas.childAt(QPoint(105, 105)), &combo);
}

// ----- painting ----------------------------------------------------------------------------

TEST(Painting, CanvasWithEveryKindLooksLikeAForm) {
    QWidget canvas;
    canvas.resize(640, 420);
    canvas.setAutoFillBackground(true);
    QPalette pal = canvas.palette();
    pal.setColor(QPalette::Window, oleColorToQColor(SysColor::Window));
    canvas.setPalette(pal);

    auto* title = new DesignLabel(&canvas);
    title->Move(300, 150, 4500, 450);
    title->setCaption(QStringLiteral("人员登记表"));
    title->setFontSize(18);
    title->setFontBold(true);
    title->setTextAlign(2);
    title->setBackStyle(0);

    auto* caption = new DesignLabel(&canvas);
    caption->Move(300, 900, 900, 315);
    caption->setCaption(QStringLiteral("姓名"));
    auto* name = new DesignTextBox(&canvas);
    name->Move(1260, 900, 2400, 315);
    name->setText(QStringLiteral("『姓名』"));

    auto* memo = new DesignTextBox(&canvas);
    memo->applyTemplate(DesignArray::MemoBoxArray);
    memo->Move(1260, 1350, 2400, 900);
    memo->setText(QStringLiteral("『备注』 多行文本框，文字在框内自动换行显示。"));

    auto* married = new DesignCheckBox(&canvas);
    married->Move(4200, 900, 1500, 315);
    married->setCaption(QStringLiteral("已婚"));
    married->setValue(1);

    auto* sex = new DesignComboBox(&canvas);
    sex->Move(4200, 1350, 1800, 315);
    sex->setText(QStringLiteral("『性别』"));

    auto* dept = new DesignListBox(&canvas);
    dept->Move(4200, 1800, 1800, 900);
    dept->AddItem(QStringLiteral("『科室』"));
    dept->AddItem(QStringLiteral("科室"));

    auto* date = new DesignPlainTextBox(&canvas);
    date->Move(1260, 2400, 2400, 315);
    date->setText(QStringLiteral("『出生日期』"));

    auto* frame = new DesignFrame(&canvas);
    frame->Move(6300, 750, 3000, 2250);
    frame->setCaption(QStringLiteral("基本情况"));

    auto* rect = new DesignPictureBox(&canvas);
    rect->Move(6600, 1200, 2400, 1200);
    rect->setBackColor(0xC0FFFF);

    auto* line = new DesignLine(&canvas);
    line->setX1(300);
    line->setY1(3300);
    line->setX2(9300);
    line->setY2(3300);
    line->setBorderWidth(2);
    line->setBorderColor(0x0000FF);

    const QImage image = canvas.grab().toImage();
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString path = dir.filePath("canvas.png");
    ASSERT_TRUE(image.save(path));
    if (qEnvironmentVariableIsSet("ZELK_KEEP_CANVAS_PNG")) {
        image.save(qEnvironmentVariable("ZELK_KEEP_CANVAS_PNG"));
    }
    EXPECT_TRUE(QImage(path).size() == QSize(640, 420));

    // Spot checks in pixels: rectangle fill, label face, line colour, text box window colour.
    EXPECT_EQ(image.pixelColor(480, 120), oleColorToQColor(0xC0FFFF));
    EXPECT_EQ(image.pixelColor(22, 62), oleColorToQColor(SysColor::ButtonFace));
    EXPECT_EQ(image.pixelColor(300, 220), QColor(255, 0, 0));
    EXPECT_EQ(image.pixelColor(240, 62), oleColorToQColor(SysColor::Window));
    // Text was drawn inside the title label.
    int dark = 0;
    for (int x = 20; x < 320; ++x) dark += image.pixelColor(x, 25).lightness() < 100;
    EXPECT_GT(dark, 5);
}

}  // namespace
}  // namespace zelk

namespace zelk {
namespace {

// A new element of a control array starts as a copy of the template, hidden, with its place.
TEST(ControlArrays, NewElementCopiesTheTemplate) {
    QWidget canvas;
    auto* templ = new DesignTextBox(&canvas);
    templ->applyTemplate(DesignArray::MemoBoxArray);
    templ->setBackColor(SysColor::InfoBackground);
    templ->setFontName(QStringLiteral("黑体"));
    templ->show();
    ControlArray<DesignTextBox> memos(designArrayName(DesignArray::MemoBoxArray), templ);
    DesignTextBox& first = memos.load(1);
    EXPECT_EQ(first.props(), templ->props());
    EXPECT_EQ(first.BackColor(), SysColor::InfoBackground);
    EXPECT_EQ(first.FontName(), QStringLiteral("黑体"));
    EXPECT_EQ(first.Name(), QStringLiteral("MemoBoxArray"));
    EXPECT_EQ(first.Index(), 1);
    EXPECT_FALSE(first.Visible());
    EXPECT_EQ(first.parentWidget(), &canvas);
}

}  // namespace
}  // namespace zelk
