#include <gtest/gtest.h>

#include <QLabel>
#include <QWidget>

#include "platform/controlarray.h"

namespace zelk {
namespace {

// A control with its own property copy, as the design controls have.
class Tagged : public QLabel {
  public:
    explicit Tagged(QWidget* parent = nullptr) : QLabel(parent) {}
    void copyPropertiesFrom(const Tagged& other) {
        setText(other.text());
        setGeometry(other.geometry());
        tag = other.tag;
    }
    QString tag;
};

TEST(ControlArray, NewElementCopiesTheTemplateAndStaysHidden) {
    QWidget canvas;
    auto* templ = new Tagged(&canvas);
    templ->setText(QStringLiteral("标签"));
    templ->setGeometry(10, 20, 30, 40);
    templ->tag = QStringLiteral("7");
    canvas.show();

    ControlArray<Tagged> labels(QStringLiteral("LabelArray"), templ);
    Tagged& one = labels.load(1);

    EXPECT_EQ(one.parentWidget(), &canvas);
    EXPECT_EQ(one.text(), QStringLiteral("标签"));
    EXPECT_EQ(one.geometry(), QRect(10, 20, 30, 40));
    EXPECT_EQ(one.tag, QStringLiteral("7"));
    EXPECT_FALSE(one.isVisible());
    EXPECT_EQ(controlName(&one), QStringLiteral("LabelArray"));
    EXPECT_EQ(controlIndex(&one), 1);
    EXPECT_EQ(controlIndex(templ), 0);
    EXPECT_EQ(labels.count(), 2);
    EXPECT_EQ(labels.ubound(), 1);
    EXPECT_EQ(&labels[1], &one);
}

TEST(ControlArray, PlainWidgetsTakeGeometryFontAndPalette) {
    QWidget form;
    auto* templ = new QWidget(&form);
    templ->setGeometry(1, 2, 3, 4);
    QFont f = templ->font();
    f.setPointSize(17);
    templ->setFont(f);
    QPalette p = templ->palette();
    p.setColor(QPalette::Window, Qt::red);
    templ->setPalette(p);

    ControlArray<QWidget> boxes(QStringLiteral("pic"), templ);
    QWidget& five = boxes.load(5);
    EXPECT_EQ(five.geometry(), QRect(1, 2, 3, 4));
    EXPECT_EQ(five.font().pointSize(), 17);
    EXPECT_EQ(five.palette().color(QPalette::Window), QColor(Qt::red));
    EXPECT_EQ(boxes.loadNext().property("ControlIndex").toInt(), 6);
}

TEST(ControlArray, MissingOrTakenIndicesFailCleanly) {
    QWidget form;
    ControlArray<QWidget> arr(QStringLiteral("Text1"), new QWidget(&form));
    arr.load(1);
    EXPECT_FALSE(arr.exists(2));
    EXPECT_EQ(arr.find(2), nullptr);
    try {
        arr.at(2);
        FAIL() << "no error for a missing element";
    } catch (const ZelkError& e) {
        EXPECT_EQ(e.number(), kErrNoSuchElement);
        EXPECT_TRUE(e.description().contains(QStringLiteral("Text1(2)")));
    }
    EXPECT_THROW(arr.load(1), ZelkError);
    EXPECT_THROW(arr.load(0), ZelkError);
    EXPECT_THROW(arr.load(-3), ZelkError);
    EXPECT_THROW(arr[-1], ZelkError);
    EXPECT_EQ(arr.count(), 2);
}

TEST(ControlArray, ElementsGoneWithTheirWindowAreMissingNotDangling) {
    auto* form = new QWidget;
    ControlArray<QWidget> arr(QStringLiteral("Check1"), new QWidget(form));
    arr.load(1);
    delete form;
    EXPECT_FALSE(arr.exists(1));
    EXPECT_FALSE(arr.exists(0));
    EXPECT_THROW(arr.at(1), ZelkError);
}

}  // namespace
}  // namespace zelk
