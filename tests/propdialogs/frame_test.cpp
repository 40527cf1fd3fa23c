// What every dialog's frame does for the user: help on F1, Enter for OK, the colour buttons,
// numbers OK cannot read.

#include <gtest/gtest.h>

#include <QSignalSpy>
#include <QTest>

#include "platform/controls/olecolor.h"
#include "platform/promptscript.h"
#include "propdialogs/dialogcases.h"

namespace zelk::test {
namespace {

// Counts the keys a control itself receives.
class KeyCounter : public QObject {
  public:
    int keys = 0;
    bool eventFilter(QObject*, QEvent* e) override {
        if (e->type() == QEvent::KeyPress) ++keys;
        return false;
    }
};

class Frame : public ::testing::TestWithParam<DialogCase> {};

TEST_P(Frame, F1AsksForHelpOnceAndTheControlNeverSeesIt) {
    std::unique_ptr<ItemPropertyDialog> dialog = GetParam().make();
    dialog->LoadAllProperties();
    dialog->show();
    int helps = 0;
    QString id = QStringLiteral("not raised");
    QObject::connect(dialog.get(), &Form::NeedHelp, [&](QString& asked) {
        ++helps;
        id = asked;
    });
    for (QWidget* target :
         {static_cast<QWidget*>(&dialog->Text1[0]), static_cast<QWidget*>(&dialog->ComboBox1[10]),
          static_cast<QWidget*>(dialog->Command5)}) {
        KeyCounter counter;
        target->installEventFilter(&counter);
        helps = 0;
        QTest::keyClick(target, Qt::Key_F1);
        EXPECT_EQ(helps, 1);
        EXPECT_EQ(id, QString());
        EXPECT_EQ(counter.keys, 0);
        QTest::keyClick(target, Qt::Key_A);
        EXPECT_EQ(helps, 1);
        EXPECT_EQ(counter.keys, 1);
        target->removeEventFilter(&counter);
    }
    dialog->forceUnload();
}

TEST_P(Frame, AChosenColourReachesSwatchAndVariableCancelKeepsIt) {
    std::unique_ptr<ItemPropertyDialog> dialog = GetParam().make();
    QVariantMap v;
    v["BackColor"] = QVariant::fromValue<std::int32_t>(SysColor::ButtonFace);
    v["ForeColor"] = QVariant::fromValue<std::int32_t>(SysColor::WindowText);
    v["BorderColor"] = QVariant::fromValue<std::int32_t>(0x0000FF);
    GetParam().assign(*dialog, v);
    dialog->LoadAllProperties();
    PromptScript script;
    script.onModal<ItemPropertyDialog>([](ItemPropertyDialog& shown) {
        shown.Command1->click();  // background: chosen
        EXPECT_EQ(shown.Text1[13].BackColor(), qColorToOleColor(QColor(10, 20, 30)));
        EXPECT_EQ(shown.CommonDialog1.Flags & cdlCCRGBInit, cdlCCRGBInit);
        shown.Command3->click();  // foreground: cancelled, the system colour stays exactly
        EXPECT_EQ(shown.Text1[18].BackColor(), SysColor::WindowText);
        EXPECT_EQ(shown.Text1[18].palette().color(QPalette::Disabled, QPalette::Base),
                  oleColorToQColor(SysColor::WindowText));
        shown.Command2->click();  // border: chosen
        shown.Command4->click();
    });
    script.chooseColor(QColor(10, 20, 30)).cancelDialog().chooseColor(QColor(0, 255, 0));
    ShowModal(*dialog);
    ASSERT_FALSE(dialog->Cancelled);
    const QVariantMap back = GetParam().read(*dialog);
    EXPECT_EQ(back["BackColor"].toInt(), qColorToOleColor(QColor(10, 20, 30)));
    EXPECT_EQ(back["ForeColor"].toInt(), SysColor::WindowText);
    EXPECT_EQ(back["BorderColor"].toInt(), 0x00FF00);
    EXPECT_EQ(script.prompts().size(), 4u);  // three colour dialogs and the modal window
}

// A font size that is no number from 1 to the largest a control takes is refused and keeps the
// dialog open; Esc is bound to nothing; Enter in a one-line box is OK.
TEST_P(Frame, AFontSizeOutOfRangeIsRefusedAndEnterThenConfirms) {
    std::unique_ptr<ItemPropertyDialog> dialog = GetParam().make();
    QVariantMap v;
    v["FontSize"] = QVariant::fromValue<std::int32_t>(9);
    v["ItemName"] = v["Caption"] = QStringLiteral("原名");
    GetParam().assign(*dialog, v);
    dialog->LoadAllProperties();
    const QStringList refused = {"大号", "0", "-3", "5000"};
    PromptScript script;
    script.onModal<ItemPropertyDialog>([&](ItemPropertyDialog& shown) {
        shown.Text1[0].setText(QStringLiteral("新名"));
        for (const QString& typed : refused) {
            shown.SSTab1->SetTab(0);
            shown.Text1[0].setFocus();
            shown.ComboBox1[10].setEditText(typed);
            shown.Command4->click();
            EXPECT_TRUE(shown.isVisible()) << typed.toStdString();
            EXPECT_EQ(shown.SSTab1->Tab(), 2);
            QWidget* focus = shown.focusWidget();
            EXPECT_TRUE(focus == &shown.ComboBox1[10] || focus == shown.ComboBox1[10].lineEdit());
            EXPECT_EQ(GetParam().read(*dialog)["FontSize"].toInt(), 9);  // nothing written
        }
        shown.ComboBox1[10].setEditText(QStringLiteral(" 10.5 "));
        shown.Text1[0].setFocus();
        QTest::keyClick(&shown.Text1[0], Qt::Key_Escape);
        EXPECT_TRUE(shown.isVisible());
        QTest::keyClick(&shown.Text1[0], Qt::Key_Return);
    });
    for (int i = 0; i < refused.size(); ++i) script.answer(vbOK);
    ShowModal(*dialog);
    ASSERT_EQ(script.prompts().size(), 1u + refused.size());
    for (std::size_t i = 1; i < script.prompts().size(); ++i) {
        const PromptRecord& message = script.prompts()[i];
        EXPECT_EQ(message.kind, PromptKind::MessageBox);
        EXPECT_EQ(message.text, QStringLiteral("字体大小必须是1到2160之间的数字！"));
        EXPECT_EQ(message.title, QStringLiteral("系统提示"));
        EXPECT_EQ(message.style, vbExclamation);
    }
    EXPECT_FALSE(dialog->Cancelled);
    const QVariantMap back = GetParam().read(*dialog);
    EXPECT_EQ(back["FontSize"].toInt(), 10);  // halves go to the even neighbour
}

INSTANTIATE_TEST_SUITE_P(Dialogs, Frame, ::testing::ValuesIn(allDialogs()), dialogCaseName);

struct EntryOrderCase {
    const char* typed;
    bool refused;
    int value;
};

TEST(TextDialog, AnEntryOrderOutOfRangeIsRefusedAndNothingIsWritten) {
    const EntryOrderCase cases[] = {
        {"abc", true, 0},        {"2147483648", true, 0},   {"", true, 0},
        {"40000", false, 40000}, {"-32768", false, -32768}, {"12", false, 12},
        {"2.5", false, 2}};
    for (const EntryOrderCase& c : cases) {
        frm_text_prop dialog;
        dialog.EntryOrder = 7;
        dialog.ItemName = QStringLiteral("原名");
        dialog.LoadAllProperties();
        PromptScript script;
        script.onModal<frm_text_prop>([&](frm_text_prop& shown) {
            shown.Text1[0].setText(QStringLiteral("新名"));
            shown.SSTab1->SetTab(3);
            shown.Text1[8].setText(QString::fromUtf8(c.typed));
            shown.Command4->click();
            if (!c.refused) return;
            EXPECT_TRUE(shown.isVisible());
            EXPECT_EQ(shown.SSTab1->Tab(), 0);
            EXPECT_EQ(shown.focusWidget(), &shown.Text1[8]);
            EXPECT_EQ(dialog.ItemName, QStringLiteral("原名"));  // nothing written yet
            shown.Command5->click();
        });
        if (c.refused) script.answer(vbOK);
        ShowModal(dialog);
        if (c.refused) {
            EXPECT_EQ(script.prompts()[1].text,
                      QStringLiteral("录入顺序必须是-2147483648到2147483647之间的数字！"));
            EXPECT_EQ(script.prompts()[1].style, vbExclamation);
            EXPECT_TRUE(dialog.Cancelled);
            EXPECT_EQ(dialog.EntryOrder, 7);
        } else {
            EXPECT_FALSE(dialog.Cancelled);
            EXPECT_EQ(dialog.EntryOrder, c.value) << c.typed;
        }
    }
}

}  // namespace
}  // namespace zelk::test
