// Each dialog's own differences, driven as a user would through the shown window.

#include <gtest/gtest.h>

#include <QTest>

#include "component/zelkmodule.h"
#include "platform/promptscript.h"
#include "propdialogs/dialogcases.h"

namespace zelk::test {
namespace {

// Shows the dialog modally, runs `edit` on it, then presses OK.
template <class D>
void editAndConfirm(D& dialog, std::function<void(D&)> edit) {
    dialog.LoadAllProperties();
    PromptScript script;
    script.onModal<D>([&](D& shown) {
        edit(shown);
        shown.Command4->click();
    });
    ShowModal(dialog);
    EXPECT_FALSE(dialog.Cancelled);
}

TEST(TextDialog, HiddenAndInvalidAreInvertedBoxes) {
    frm_text_prop dialog;
    dialog.Visible = true;
    dialog.Enabled = true;
    dialog.TextAlign = 2;
    editAndConfirm<frm_text_prop>(dialog, [](frm_text_prop& d) {
        EXPECT_FALSE(d.Check1->isChecked());
        EXPECT_FALSE(d.Check2->isChecked());
        EXPECT_TRUE(d.Toolbar1->Button(6)->Value());
        QTest::mouseClick(d.Check1, Qt::LeftButton, {}, QPoint(6, d.Check1->height() / 2));
        d.Toolbar1->Click(7);
        EXPECT_FALSE(d.Toolbar1->Button(6)->Value());
    });
    EXPECT_FALSE(dialog.Visible);
    EXPECT_TRUE(dialog.Enabled);
    EXPECT_EQ(dialog.TextAlign, 3);
}

TEST(TextDialog, TheFontListOffersTheItemsFontAndTheUsualOne) {
    setInstalledFontsProvider([] { return QStringList{"DejaVu Sans", "Noto Sans CJK SC"}; });
    frm_text_prop dialog;
    dialog.FontName = QStringLiteral("华文行楷");
    dialog.SpecialEffect = 6;
    editAndConfirm<frm_text_prop>(dialog, [](frm_text_prop& d) {
        EXPECT_EQ(d.ComboBox1[9].currentText(), QStringLiteral("华文行楷"));
        EXPECT_NE(d.ComboBox1[9].findText(QStringLiteral("宋体")), -1);
        EXPECT_FALSE(d.ComboBox1[9].isEditable());
        EXPECT_EQ(d.ComboBox1[7].currentText(), QStringLiteral("6-浮雕"));
        d.ComboBox1[9].setCurrentIndex(d.ComboBox1[9].findText(QStringLiteral("宋体")));
    });
    setInstalledFontsProvider(nullptr);
    EXPECT_EQ(dialog.FontName, QStringLiteral("宋体"));
    EXPECT_EQ(dialog.SpecialEffect, 6);
}

// Every font the machine's dialogs offer comes back as itself once stored.
TEST(TextDialog, EveryListedInstalledFontComesBackStored) {
    frm_text_prop dialog;
    dialog.FontName = QStringLiteral("宋体");
    dialog.LoadAllProperties();
    const QComboBox& fonts = dialog.ComboBox1[9];
    EXPECT_GT(fonts.count(), 1);
    for (int i = 0; i < fonts.count(); ++i)
        EXPECT_EQ(DecodeFontName(EncodeFontName(fonts.itemText(i))), fonts.itemText(i));
}

struct DateFormatCase {
    const char* stored;
    QStringList listed;
};

TEST(DateDialog, TheFormatIsPickedFromTheFourAndAnOddOneIsKept) {
    const QStringList four = {"yyyymmdd", "yyyy.mm.dd", "yyyy-mm-dd", "yyyy年mm月dd日"};
    const DateFormatCase cases[] = {{"yyyy-mm-dd", four},
                                    {"", QStringList{""} + four},
                                    {"dd/mm/yyyy", QStringList{"dd/mm/yyyy"} + four}};
    for (const DateFormatCase& c : cases) {
        frm_date_prop dialog;
        dialog.Format = QString::fromUtf8(c.stored);
        editAndConfirm<frm_date_prop>(dialog, [&](frm_date_prop& d) {
            QStringList listed;
            for (int i = 0; i < d.ComboBox1[0].count(); ++i) listed << d.ComboBox1[0].itemText(i);
            EXPECT_EQ(listed, c.listed);
            EXPECT_FALSE(d.ComboBox1[0].isEditable());
            EXPECT_EQ(d.ComboBox1[0].currentText(), QString::fromUtf8(c.stored));
        });
        EXPECT_EQ(dialog.Format, QString::fromUtf8(c.stored));
    }
    frm_date_prop odd;  // an appearance the list cannot show stays unless one is picked
    odd.Appearance = 5;
    editAndConfirm<frm_date_prop>(
        odd, [](frm_date_prop& d) { EXPECT_EQ(d.Combo1->currentIndex(), -1); });
    EXPECT_EQ(odd.Appearance, 5);
    frm_date_prop dialog;
    dialog.Format = QStringLiteral("yyyymmdd");
    editAndConfirm<frm_date_prop>(dialog, [](frm_date_prop& d) {
        d.ComboBox1[0].setCurrentIndex(3);
        d.Combo1->setCurrentIndex(1);
    });
    EXPECT_EQ(dialog.Format, QStringLiteral("yyyy年mm月dd日"));
    EXPECT_EQ(dialog.Appearance, 1);
}

TEST(ComboDialog, ListModeIsStoredAsTwo) {
    for (const auto& [entry, chosen, back] :
         {std::tuple{0, -1, 0}, std::tuple{2, -1, 2}, std::tuple{1, -1, 1}, std::tuple{-1, 0, 0},
          std::tuple{0, 1, 2}}) {
        frm_combo_prop dialog;
        dialog.DataSelectMode = entry;
        editAndConfirm<frm_combo_prop>(dialog, [&](frm_combo_prop& d) {
            EXPECT_EQ(d.ComboBox2->currentIndex(), entry == 0 ? 0 : 1);
            if (chosen >= 0) d.ComboBox2->setCurrentIndex(chosen);
        });
        EXPECT_EQ(dialog.DataSelectMode, back);
    }
}

TEST(SubTableDialog, ATypedEntryModeMatchingNoEntryIsRefused) {
    frm_ctable_prop dialog;
    dialog.ExtraInfoEntryMode = 2;
    dialog.ListEntryMode = 1;
    dialog.ItemName = QStringLiteral("原名");
    dialog.LoadAllProperties();
    PromptScript script;
    script.onModal<frm_ctable_prop>([&](frm_ctable_prop& d) {
        EXPECT_EQ(d.ComboBox2->currentText(), QStringLiteral("2 - 两者都提供"));
        EXPECT_TRUE(d.Check10->isChecked());
        d.Text1[0].setText(QStringLiteral("新名"));
        d.ComboBox2->setEditText(QStringLiteral("3 - 其他"));
        d.Command4->click();
        EXPECT_TRUE(d.isVisible());
        EXPECT_EQ(d.SSTab1->Tab(), 3);
        EXPECT_TRUE(d.focusWidget() == d.ComboBox2 || d.focusWidget() == d.ComboBox2->lineEdit());
        EXPECT_EQ(dialog.ItemName, QStringLiteral("原名"));  // nothing written
        EXPECT_EQ(d.ComboBox2->count(), 3);                  // typed text never joins the list
        d.ComboBox2->setEditText(QStringLiteral("1 - 弹出列表"));
        QTest::mouseClick(d.Check10, Qt::LeftButton, {}, QPoint(6, d.Check10->height() / 2));
        d.Command4->click();
    });
    script.answer(vbOK);
    ShowModal(dialog);
    ASSERT_GE(script.prompts().size(), 2u);
    EXPECT_EQ(script.prompts()[1].text, QStringLiteral("附加信息录入方式必须是列表中的一项！"));
    EXPECT_EQ(script.prompts()[1].style, vbExclamation);
    EXPECT_FALSE(dialog.Cancelled);
    EXPECT_EQ(dialog.ExtraInfoEntryMode, 1);
    EXPECT_EQ(dialog.ListEntryMode, 0);
}

TEST(MediaDialog, ThePictureBoxIsShownOnlyWhileTheMediaBoxIsTicked) {
    frm_mmx_prop dialog;
    dialog.ShowMediaInline = true;
    dialog.ShowPictureDirect = true;
    editAndConfirm<frm_mmx_prop>(dialog, [](frm_mmx_prop& d) {
        EXPECT_TRUE(d.Check9->isChecked());
        EXPECT_FALSE(d.Check10->isHidden());
        EXPECT_TRUE(d.Check10->isChecked());
        d.Check9->click();
        EXPECT_TRUE(d.Check10->isHidden());
        EXPECT_FALSE(d.Check10->isChecked());
        d.Check9->click();
        EXPECT_FALSE(d.Check10->isHidden());
        EXPECT_FALSE(d.Check10->isChecked());
    });
    EXPECT_TRUE(dialog.ShowMediaInline);
    EXPECT_FALSE(dialog.ShowPictureDirect);
}

TEST(LabelDialog, TheSecondGroupSetsTheVerticalAlignment) {
    frm_label_prop dialog;
    dialog.VerticalAlign = 1;
    dialog.ReadOnly = true;
    dialog.ApplyToSameKind = true;
    editAndConfirm<frm_label_prop>(dialog, [](frm_label_prop& d) {
        EXPECT_TRUE(d.Toolbar1->Button(10)->Value());
        EXPECT_TRUE(d.Check3->isChecked());
        EXPECT_TRUE(d.Check3->isHidden());
        EXPECT_FALSE(d.Check6->isChecked());
        d.Toolbar1->Click(11);
        EXPECT_FALSE(d.Toolbar1->Button(10)->Value());
        d.Check6->click();
    });
    EXPECT_EQ(dialog.VerticalAlign, 2);
    EXPECT_TRUE(dialog.ReadOnly);
    EXPECT_TRUE(dialog.ApplyToSameKind);
}

TEST(CheckDialog, TheStepIsTypedOrPickedAndTheSingleUserBoxIsItsOwn) {
    frm_check_prop dialog;
    dialog.ApprovalStepName = QStringLiteral("核稿");
    dialog.SingleUserWindow = true;
    editAndConfirm<frm_check_prop>(dialog, [](frm_check_prop& d) {
        EXPECT_TRUE(d.Check6->isChecked());
        EXPECT_TRUE(d.Text1[20].isHidden());
        // The frame's hidden sub-table class, whatever this dialog names its caption labels.
        EXPECT_TRUE(d.label1[24].isHidden());
        EXPECT_TRUE(d.Text1[24].isHidden());
        d.Combo1->setEditText(QString());
        d.Check6->click();
    });
    EXPECT_EQ(dialog.ApprovalStepName, QString());
    EXPECT_FALSE(dialog.SingleUserWindow);
}

}  // namespace
}  // namespace zelk::test
