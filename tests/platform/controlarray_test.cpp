#include <gtest/gtest.h>

#include <QWidget>

#include "platform/controlarray.h"
#include "platform/controls/designcontrols.h"

namespace zelk {
namespace {

// A new element starts as a copy of the template (through the control's own property copy),
// hidden, with its place and its index.
TEST(ControlArray, NewElementCopiesTheTemplateAndStaysHidden) {
    QWidget canvas;
    auto* templ = new DesignTextBox(&canvas);
    templ->applyTemplate(DesignArray::MemoBoxArray);
    templ->Move(150, 300, 450, 600);
    templ->setBackColor(SysColor::InfoBackground);
    templ->setFontName("黑体");
    templ->setTag("7");
    canvas.show();

    ControlArray<DesignTextBox> memos(designArrayName(DesignArray::MemoBoxArray), templ);
    DesignTextBox& one = memos.load(1);
    EXPECT_EQ(one.parentWidget(), &canvas);
    EXPECT_EQ(one.props(), templ->props());
    EXPECT_EQ(one.geometry(), QRect(10, 20, 30, 40));
    EXPECT_EQ(one.BackColor(), SysColor::InfoBackground);
    EXPECT_EQ(one.FontName(), "黑体");
    EXPECT_EQ(one.Tag(), "7");
    EXPECT_FALSE(one.isVisible());
    EXPECT_EQ(controlName(&one), "MemoBoxArray");
    EXPECT_EQ(controlIndex(&one), 1);
    EXPECT_EQ(controlIndex(templ), 0);
    EXPECT_EQ(memos.count(), 2);
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

    ControlArray<QWidget> boxes("pic", templ);
    QWidget& five = boxes.load(5);
    EXPECT_EQ(five.geometry(), QRect(1, 2, 3, 4));
    EXPECT_EQ(five.font().pointSize(), 17);
    EXPECT_EQ(five.palette().color(QPalette::Window), QColor(Qt::red));
    EXPECT_EQ(boxes.loadNext().property("ControlIndex").toInt(), 6);
}

TEST(ControlArray, MissingTakenOrVanishedElementsFailCleanly) {
    auto* form = new QWidget;
    ControlArray<QWidget> arr("Text1", new QWidget(form));
    arr.load(1);
    EXPECT_FALSE(arr.exists(2));
    EXPECT_EQ(arr.find(2), nullptr);
    try {
        arr.at(2);
        FAIL() << "no error for a missing element";
    } catch (const ZelkError& e) {
        EXPECT_EQ(e.number(), kErrNoSuchElement);
        EXPECT_TRUE(e.description().contains("Text1(2)"));
    }
    for (int index : {1, 0, -3}) EXPECT_THROW(arr.load(index), ZelkError) << index;
    EXPECT_THROW(arr[-1], ZelkError);
    EXPECT_EQ(arr.count(), 2);
    // Elements gone with their window are missing, not dangling.
    delete form;
    EXPECT_FALSE(arr.exists(1));
    EXPECT_FALSE(arr.exists(0));
    EXPECT_THROW(arr.at(1), ZelkError);
}

}  // namespace
}  // namespace zelk
