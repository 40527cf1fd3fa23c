#include <gtest/gtest.h>

#include <QImage>
#include <QMouseEvent>
#include <QTest>
#include <functional>
#include <tuple>

#include "platform/controls/designcontrols.h"

namespace zelk {
namespace {

// ----- template colours --------------------------------------------------------------------

// An untouched control stores the system colours the original controls started with.
template <class T>
std::tuple<std::int32_t, std::int32_t> templateColours(DesignArray array) {
    T c;
    c.applyTemplate(array);
    return {c.ForeColor(), c.BackColor()};
}

TEST(TemplateColours, AreTheOriginalSystemColours) {
    using S = std::tuple<std::int32_t, std::int32_t>;
    const S button{SysColor::ButtonText, SysColor::ButtonFace};
    const S window{SysColor::WindowText, SysColor::Window};
    EXPECT_EQ(templateColours<DesignLabel>(DesignArray::LabelArray), button);
    EXPECT_EQ(templateColours<DesignCheckBox>(DesignArray::CheckBoxArray), button);
    EXPECT_EQ(templateColours<DesignFrame>(DesignArray::FrameArray), button);
    EXPECT_EQ(templateColours<DesignTextBox>(DesignArray::TextBoxArray), window);
    EXPECT_EQ(templateColours<DesignTextBox>(DesignArray::MemoBoxArray), window);
    EXPECT_EQ(templateColours<DesignComboBox>(DesignArray::ComboBoxArray), window);
    EXPECT_EQ(templateColours<DesignListBox>(DesignArray::ListBoxArray), window);
}

namespace S = SysColor;

// ----- refused values ----------------------------------------------------------------------

// A setter given a value the original refused returns false and the property keeps its value.
struct RefusalCase {
    const char* name;
    std::function<bool(QWidget*)> refusedAndKept;
    friend void PrintTo(const RefusalCase& c, std::ostream* os) { *os << c.name; }
};

// Sets good, then tries bad: true when bad is refused and good stays.
template <class C, class T, class V>
RefusalCase refuses(const char* name, bool (T::*set)(V), V (T::*get)() const, V good, V bad) {
    return {name, [=](QWidget* parent) {
                C c(parent);
                return (c.*set)(good) && !(c.*set)(bad) && (c.*get)() == good;
            }};
}
#define REFUSES(Kind, Property, good, bad)                                                        \
    refuses<Design##Kind>(#Kind #Property, &Design##Kind::set##Property, &Design##Kind::Property, \
                          good, bad)

class RefusedValues : public ::testing::TestWithParam<RefusalCase> {};

TEST_P(RefusedValues, KeepTheOldValue) {
    QWidget canvas;
    EXPECT_TRUE(GetParam().refusedAndKept(&canvas));
}

INSTANTIATE_TEST_SUITE_P(
    Controls, RefusedValues,
    ::testing::Values(REFUSES(Label, SpecialEffect, 6, 4), REFUSES(CheckBox, SpecialEffect, 0, 1),
                      REFUSES(ComboBox, BackStyle, 0, 2), REFUSES(TextBox, TextAlign, 3, 0),
                      REFUSES(ComboBox, MaxLength, 20, -1), REFUSES(Frame, FontSize, 10.5, 0.0),
                      REFUSES(Label, ForeColor, S::ButtonFace, S::make(0xFF)),
                      REFUSES(TextBox, Width, 1200.0, -15.0),
                      REFUSES(Label, Height, 300.0, std::nan("")),
                      REFUSES(PlainTextBox, Alignment, 2, 3), REFUSES(PictureBox, DrawWidth, 3, 0),
                      REFUSES(PictureBox, MousePointer, 8, 16), REFUSES(Line, BorderWidth, 2, 0)),
    [](const auto& info) { return std::string(info.param.name); });

TEST(RefusedValues, MoveWithANegativeSizeChangesNothing) {
    DesignTextBox t;
    ASSERT_TRUE(t.Move(100, 200, 1500, 300));
    EXPECT_FALSE(t.Move(900, 900, -1, 300));
    EXPECT_EQ(std::tuple(t.Left(), t.Top(), t.Width()), std::tuple(100.0, 200.0, 1500.0));
}

// ----- copyPropertiesFrom ------------------------------------------------------------------

// What every control, every box and every font control has, as text, to compare copies whole.
QString dump(DesignControl& c) {
    QStringList out{c.Name(), c.Tag(), c.ToolTipText(), QString::number(c.Enabled())};
    if (auto* b = qobject_cast<DesignBox*>(&c)) {
        for (double v : {b->Left(), b->Top(), b->Width(), b->Height()}) out << QString::number(v);
    }
    if (auto* f = qobject_cast<DesignFontControl*>(&c)) {
        out << f->FontName() << QString::number(f->FontSize());
        for (bool on : {f->FontBold(), f->FontItalic(), f->FontUnderline(), f->FontStrikethru()})
            out << QString::number(on);
        out << QString::number(f->ForeColor()) << QString::number(f->BackColor());
    }
    return out.join('|');
}

struct CopyCase {
    const char* name;
    std::function<void()> run;  // builds a changed source and checks a copy of it
    friend void PrintTo(const CopyCase& c, std::ostream* os) { *os << c.name; }
};

template <class T>
CopyCase copies(const char* name, std::function<void(T&)> change) {
    return {name, [change] {
                T source;
                source.setName("SourceArray");
                source.setTag("17");
                source.setToolTipText("提示");
                source.setEnabled(false);
                if constexpr (std::is_base_of_v<DesignFontControl, T>) {
                    source.Move(135.5, 270.25, 1995, 412.5);
                    source.setFontName("黑体");
                    source.setFontSize(10.5);
                    source.setFontBold(true);
                    source.setFontItalic(true);
                    source.setFontUnderline(true);
                    source.setFontStrikethru(true);
                    source.setForeColor(255);
                    source.setBackColor(S::InfoBackground);
                }
                change(source);
                ASSERT_FALSE(source.props() == T().props()) << "the change is to the kind's own";
                T target;
                target.setIndex(4);
                target.copyPropertiesFrom(source);
                EXPECT_EQ(target.props(), source.props());
                EXPECT_EQ(dump(target).toStdString(), dump(source).toStdString());
                EXPECT_EQ(target.Index(), 4);
                EXPECT_EQ(target.geometry(), source.geometry());
                EXPECT_EQ(target.cursor().shape(), source.cursor().shape());
            }};
}

class CopyProperties : public ::testing::TestWithParam<CopyCase> {};

TEST_P(CopyProperties, CopiesEveryProperty) {
    GetParam().run();
}

INSTANTIATE_TEST_SUITE_P(
    Controls, CopyProperties,
    ::testing::Values(copies<DesignLabel>("Label", [](DesignLabel& c) { c.setCaption("姓名"); }),
                      copies<DesignPictureBox>("PictureBox",
                                               [](DesignPictureBox& c) {
                                                   c.Move(15, 30, 600, 450);
                                                   c.setMousePointer(8);
                                               }),
                      copies<DesignLine>("Line",
                                         [](DesignLine& c) {
                                             c.setX1(6000);
                                             c.setY1(100.5);
                                             c.setY2(1000);
                                         })),
    [](const auto& info) { return std::string(info.param.name); });

// ----- geometry ----------------------------------------------------------------------------

struct GeometryCase {
    double left, top, width, height;
    QRect pixels;
    friend void PrintTo(const GeometryCase& c, std::ostream* os) {
        *os << c.left << "," << c.top << "," << c.width << "," << c.height;
    }
};

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
    friend void PrintTo(const ColourCase& c, std::ostream* os) { *os << c.value; }
};

class Colours : public ::testing::TestWithParam<ColourCase> {};

TEST_P(Colours, ShownThroughTheTable) {
    EXPECT_EQ(isValidOleColor(GetParam().value), GetParam().valid);
    EXPECT_EQ(oleColorToQColor(GetParam().value), GetParam().shown);
}

// Stored colours are BGR; system colours go through the palette table; others are refused.
INSTANTIATE_TEST_SUITE_P(Controls, Colours,
                         ::testing::Values(ColourCase{255, true, QColor(255, 0, 0)},
                                           ColourCase{0xFF0000, true, QColor(0, 0, 255)},
                                           ColourCase{S::Window, true, QColor(255, 255, 255)},
                                           ColourCase{-1, false, QColor(0, 0, 0)},
                                           ColourCase{0x01000000, false, QColor(0, 0, 0)}));

TEST(Fonts, MissingFontIsShownWithAFallbackButKept) {
    DesignLabel label;
    ASSERT_TRUE(label.setFontName("不存在的字体"));
    EXPECT_EQ(label.FontName(), "不存在的字体");
    EXPECT_EQ(label.displayedFont().family(), "Noto Sans CJK SC");
    EXPECT_EQ(displayFontFamily("宋体"), "Noto Serif CJK SC");
    EXPECT_EQ(displayFont("宋体", 9).pixelSize(), 12);  // 9 points at 96 dpi
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

template <class T>
T* placed(QWidget& canvas, double left, double top, double width, double height) {
    auto* c = new T(&canvas);
    c->Move(left, top, width, height);
    return c;
}

TEST(Painting, CanvasWithEveryKindLooksLikeAForm) {
    QWidget canvas;
    canvas.resize(640, 420);
    auto* title = placed<DesignLabel>(canvas, 300, 150, 4500, 450);
    title->setCaption("人员登记表");
    title->setFontSize(18);
    placed<DesignLabel>(canvas, 300, 900, 900, 315)->setCaption("姓名");
    placed<DesignTextBox>(canvas, 1260, 900, 2400, 315)->setText("『姓名』");
    auto* memo = new DesignTextBox(&canvas);
    memo->applyTemplate(DesignArray::MemoBoxArray);
    memo->Move(1260, 1350, 2400, 900);
    memo->setText("『备注』 多行文本框，文字在框内自动换行显示。");
    placed<DesignCheckBox>(canvas, 4200, 900, 1500, 315)->setCaption("已婚");
    placed<DesignComboBox>(canvas, 4200, 1350, 1800, 315)->setText("『性别』");
    placed<DesignListBox>(canvas, 4200, 1800, 1800, 900)->AddItem("『科室』");
    placed<DesignPlainTextBox>(canvas, 1260, 2400, 2400, 315)->setText("『出生日期』");
    placed<DesignFrame>(canvas, 6300, 750, 3000, 2250)->setCaption("基本情况");
    placed<DesignPictureBox>(canvas, 6600, 1200, 2400, 1200)->setBackColor(0xC0FFFF);
    auto* line = new DesignLine(&canvas);
    line->setX1(300);
    line->setY1(3300);
    line->setX2(9300);
    line->setY2(3300);
    line->setBorderWidth(2);
    line->setBorderColor(0x0000FF);

    const QImage image = canvas.grab().toImage();
    // Spot checks in pixels: rectangle fill, label face, line colour, text box window colour.
    EXPECT_EQ(image.pixelColor(480, 120), oleColorToQColor(0xC0FFFF));
    EXPECT_EQ(image.pixelColor(22, 62), oleColorToQColor(S::ButtonFace));
    EXPECT_EQ(image.pixelColor(300, 220), QColor(255, 0, 0));
    EXPECT_EQ(image.pixelColor(240, 62), oleColorToQColor(S::Window));
    // Text was drawn inside the title label.
    int dark = 0;
    for (int x = 20; x < 320; ++x) dark += image.pixelColor(x, 25).lightness() < 100;
    EXPECT_GT(dark, 5);
}

}  // namespace
}  // namespace zelk
