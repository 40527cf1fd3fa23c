// The list designer on the demo interfaces: opening, the editors, the order list's drag through
// mouse events, font, colour, the save's rows, failures and closing.

#include <gtest/gtest.h>

#include <QApplication>
#include <QHeaderView>
#include <QMouseEvent>
#include <QTest>
#include <optional>

#include "component/zelkmodule.h"
#include "listdesigner/frm_zelk_lbsj.h"
#include "listfixture.h"
#include "support/expectprompt.h"
#include "support/refusal.h"

namespace zelk {
namespace {

using test::expectPrompt;
using test::ListFixture;

const QString kEntry = QStringLiteral("录入列表");
const QString kBrowse = QStringLiteral("检索列表");

class LbsjTest : public ListFixture {
  protected:
    std::unique_ptr<frm_zelk_lbsj> open(const QString& kind) {
        auto form = std::make_unique<frm_zelk_lbsj>();
        form->load();
        form->init(hdbc(), fidOf(kind), kind);
        form->show();
        return form;
    }
    static ListTable tableOf(const QString& kind) {
        return kind == kEntry ? ListTable::ILIT : ListTable::ILST;
    }
    std::int32_t fidOf(const QString& kind) const {
        return kind == kEntry ? demo_.listEntry : demo_.browseList;
    }
    QStringList order(const frm_zelk_lbsj& form) {
        QStringList texts;
        for (int i = 0; i < form.lstItem->count(); ++i) texts << form.lstItem->item(i)->text();
        return texts;
    }
    static void mouse(QWidget* w, QEvent::Type type, QPoint at, Qt::MouseButtons held) {
        QMouseEvent e(type, at, w->mapToGlobal(at),
                      type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton, held,
                      Qt::NoModifier);
        QApplication::sendEvent(w, &e);
    }
    // Presses entry `from` of the order list, drags to entry `to` and releases there.
    static void drag(frm_zelk_lbsj& form, int from, int to) {
        QWidget* vp = form.lstItem->viewport();
        const auto centre = [&](int row) {
            return form.lstItem->visualItemRect(form.lstItem->item(row)).center();
        };
        mouse(vp, QEvent::MouseButtonPress, centre(from), Qt::LeftButton);
        mouse(vp, QEvent::MouseMove, centre(from) + QPoint(0, 2), Qt::LeftButton);
        mouse(vp, QEvent::MouseMove, centre(to), Qt::LeftButton);
        mouse(vp, QEvent::MouseButtonRelease, centre(to), Qt::NoButton);
    }
};

TEST_P(LbsjTest, OpensBothKindsWithHeadersOrderAndSettings) {
    ASSERT_GE(ExecSQL(hdbc(), QStringLiteral("update ilit set ii26 = '0121000000' where ii01 = %1 "
                                             "and ii02 = 'bt'")
                                  .arg(demo_.listEntry)),
              0);
    for (const QString& kind : {kEntry, kBrowse}) {
        auto form = open(kind);
        const auto stored = rows(tableOf(kind), fidOf(kind));
        ASSERT_EQ(form->ListView1->ColumnCount(), 6);
        EXPECT_EQ(order(*form),
                  (QStringList{"编号", "标题", "文号", "发文日期", "密级", "拟稿人"}));
        for (int i = 1; i <= 6; ++i) {
            const ColumnHeader* h = form->ListView1->Column(i);
            const ILITRecord& r = stored[static_cast<std::size_t>(i - 1)];
            EXPECT_EQ(h->Width(), r.ii07);
            EXPECT_EQ(TrimFixedField(h->Tag()), fieldText(r.ii02));
        }
        form->ListView1_ColumnClick(form->ListView1->Column(2));
        EXPECT_EQ(form->ListView1->Column(2)->Icon(), 5);
        EXPECT_EQ(form->Text1->text(), QStringLiteral("标题"));
        EXPECT_EQ(form->txtWidth->text(), QStringLiteral("3600"));
        EXPECT_EQ(form->lstItem->currentRow(), 1);
        if (kind == kEntry) {
            EXPECT_FALSE(form->Check1->isChecked());
            EXPECT_EQ(form->Combo2->currentIndex(), 1);
            EXPECT_EQ(form->Combo1->currentIndex(), 2);
            EXPECT_TRUE(form->Check2->isChecked());
        }
        EXPECT_FALSE(form->Modified);  // showing a column changes nothing
        form->forceUnload();
    }
}

TEST_P(LbsjTest, EditorsBeforeAChosenColumnDoNothing) {
    auto form = open(kEntry);
    form->Text1->setText(QStringLiteral("x"));
    form->txtWidth->setText(QStringLiteral("9"));
    form->Check1->setChecked(true);
    form->Combo1->setCurrentIndex(3);
    EXPECT_EQ(form->ListView1->Column(1)->Text(), QStringLiteral("编号"));
    EXPECT_EQ(form->ListView1->Column(1)->Width(), 900);
    EXPECT_EQ(form->ListColumnSettings.at(1), ListColumnSetting{});
    EXPECT_FALSE(form->Modified);
    form->forceUnload();
}

TEST_P(LbsjTest, EditsDragFontAndColourReachTheSavedRows) {
    setVersion(demo_.listEntry, QStringLiteral("41"));
    auto form = open(kEntry);
    form->ListView1_ColumnClick(form->ListView1->Column(1));
    form->Text1->setText(QStringLiteral("序号"));
    EXPECT_EQ(form->lstItem->item(0)->text(), QStringLiteral("序号"));
    form->txtWidth->setText(QStringLiteral("1234abc"));
    form->Check1->setChecked(true);
    form->Combo2->setCurrentIndex(1);
    form->Combo1->setCurrentIndex(3);
    drag(*form, 2, 0);  // the third column to the front
    EXPECT_EQ(order(*form), (QStringList{"文号", "序号", "标题", "发文日期", "密级", "拟稿人"}));
    EXPECT_TRUE(form->Modified);
    {
        PromptScript script;
        QFont font(QStringLiteral("黑体"));
        font.setPointSizeF(10.5);
        script.chooseFont(font, QColor(255, 0, 0)).chooseColor(QColor(0, 0, 128));
        form->mnu_font_Click();
        form->mnu_backcolor_Click();
        EXPECT_EQ(script.prompts()[0].style, 259);
    }
    form->Command1_Click(0);
    EXPECT_FALSE(form->isLoaded());
    EXPECT_EQ(version(demo_.listEntry), QStringLiteral("42"));

    auto saved = rows(ListTable::ILIT, demo_.listEntry);
    ASSERT_EQ(saved.size(), 6u);
    // New keys in insert order, which is the columns' creation order.
    std::sort(saved.begin(), saved.end(),
              [](const ILITRecord& a, const ILITRecord& b) { return a.ii00 < b.ii00; });
    EXPECT_EQ(QString("%1%2%3").arg(saved[0].ii04).arg(saved[1].ii04).arg(saved[2].ii04), "231");
    EXPECT_EQ(fieldText(saved[0].ii03), QStringLiteral("序号"));
    EXPECT_EQ(saved[0].ii07, 1234);
    EXPECT_EQ(fieldText(saved[0].ii26), QStringLiteral("1130000000"));
    EXPECT_EQ(fieldText(saved[1].ii26), QStringLiteral("0000000000"));
    for (const ILITRecord& r : saved) {
        EXPECT_EQ(fieldText(r.ii15), QStringLiteral("黑体"));
        EXPECT_EQ(fieldText(r.ii17), QStringLiteral("10.5"));
        EXPECT_EQ(fieldText(r.ii22), QStringLiteral("10.5"));
        EXPECT_EQ(fieldText(r.ii18), QStringLiteral("255"));
        EXPECT_EQ(fieldText(r.ii19), QString::number(0x800000));
        EXPECT_EQ(fieldText(r.ii21), QStringLiteral("0"));
        EXPECT_EQ(fieldText(r.ii25), QStringLiteral("0000000000"));
    }
}

TEST_P(LbsjTest, UneditedSaveKeepsColumnsAndWritesTheDefaults) {
    for (const QString& kind : {kEntry, kBrowse}) {
        const ListTable table = tableOf(kind);
        const std::int32_t fid = fidOf(kind);
        const auto before = rows(table, fid);
        auto form = open(kind);
        ASSERT_TRUE(form->SaveInterface());
        const auto after = rows(table, fid);
        ASSERT_EQ(after.size(), before.size());
        for (std::size_t i = 0; i < after.size(); ++i) {
            // Keys are new; the column, caption, order and width are kept.
            EXPECT_EQ(toWire(after[i].ii02) + toWire(after[i].ii03),
                      toWire(before[i].ii02) + toWire(before[i].ii03));
            EXPECT_EQ(QPoint(after[i].ii04, after[i].ii07), QPoint(before[i].ii04, before[i].ii07));
            // Default texts; 0 for the system colour.
            EXPECT_EQ(fieldText(after[i].ii15) + "|" + fieldText(after[i].ii17) + "|" +
                          fieldText(after[i].ii18) + "|" + fieldText(after[i].ii19) + "|" +
                          fieldText(after[i].ii24),
                      QStringLiteral("宋体|9|0|16777215|16777215"));
            if (table == ListTable::ILST) {
                EXPECT_EQ(fieldText(after[i].ii25), QStringLiteral("0000111110"));
                EXPECT_EQ(fieldText(after[i].ii26), QStringLiteral("1100111110"));
            }
        }
        form->forceUnload();
    }
}

TEST_P(LbsjTest, DropRulesOfTheOrderList) {
    auto form = open(kEntry);
    // Pressing without moving chooses the column and moves nothing.
    drag(*form, 2, 2);
    EXPECT_EQ(form->Text1->text(), QStringLiteral("文号"));
    EXPECT_EQ(form->ListView1->Column(3)->Icon(), 5);
    EXPECT_FALSE(form->Modified);
    // The fourth onto the first: first.
    drag(*form, 3, 0);
    EXPECT_EQ(order(*form), (QStringList{"发文日期", "编号", "标题", "文号", "密级", "拟稿人"}));
    EXPECT_EQ(form->ListView1->Column(4)->Position(), 1);
    EXPECT_EQ(form->lstItem->currentRow(), 0);
    // Onto the last entry: just before it.
    drag(*form, 0, 5);
    EXPECT_EQ(order(*form), (QStringList{"编号", "标题", "文号", "密级", "发文日期", "拟稿人"}));
    for (int i = 1; i <= 6; ++i)
        EXPECT_EQ(form->lstItem->item(form->ListView1->Column(i)->Position() - 1)->text(),
                  form->ListView1->Column(i)->Text());
    // A width set by dragging the header's edge is saved too; the new order shows on reopening.
    form->ListView1_ColumnClick(form->ListView1->Column(2));
    form->ListView1->header()->resizeSection(1, 100);
    EXPECT_EQ(form->txtWidth->text(), QStringLiteral("1500"));
    ASSERT_TRUE(form->SaveInterface());
    form->forceUnload();
    auto again = open(kEntry);
    EXPECT_EQ(order(*again), (QStringList{"编号", "标题", "文号", "密级", "发文日期", "拟稿人"}));
    EXPECT_EQ(again->ListView1->Column(2)->Width(), 1500);
    again->forceUnload();
}

// A refused column row (the fourth insert), begin or commit keeps rows, version and window.
TEST_P(LbsjTest, RefusedSaveKeepsRowsVersionAndWindow) {
    using test::TxnRefusal;
    for (const auto what : {std::optional<TxnRefusal>(), std::optional(TxnRefusal::Begin),
                            std::optional(TxnRefusal::Commit)}) {
        for (const QString& kind : {kEntry, kBrowse}) {
            SCOPED_TRACE((what ? testing::PrintToString(*what) : "refused row") + " " +
                         kind.toStdString());
            const ListTable table = tableOf(kind);
            const std::int32_t fid = fidOf(kind);
            setVersion(fid, QStringLiteral("7"));
            auto form = open(kind);
            for (int i : {1, 4}) form->ListView1->Column(i)->SetWidth(777);
            const auto before = bytes(table, fid);
            PromptScript script;
            script.answer(vbOK);
            if (what) {
                test::whileRefused(*what, hdbc(), GetParam(), kind == kEntry ? "ilit" : "ilst",
                                   [&] { form->Command1_Click(0); });
            } else {
                refuse(table, "07", QStringLiteral("777"));
                form->Command1_Click(0);
                allowAgain(table);
            }
            // On a server only a lost or aborted session refuses a begin: the read before it
            // fails already.
            if (what == TxnRefusal::Begin && GetParam() == test::TestBackend::PostgreSQL)
                expectPrompt(script, QStringLiteral("不能保存界面！"), QStringLiteral("警告"),
                             vbExclamation);
            else
                expectPrompt(script, QStringLiteral("不能保存界面，请稍后再试!"),
                             QStringLiteral("系统信息"), vbExclamation);
            EXPECT_TRUE(form->isLoaded());
            EXPECT_EQ(form->ListView1->Column(1)->Width(), 777);
            EXPECT_EQ(bytes(table, fid), before);
            EXPECT_EQ(version(fid), QStringLiteral("7"));
            form->forceUnload();
        }
    }
}

TEST_P(LbsjTest, GoneInterfaceIsNotSaved) {
    auto form = open(kEntry);
    ASSERT_GE(sysINDTDeleteData(hdbc(), demo_.listEntry), 0);
    const auto before = bytes(ListTable::ILIT, demo_.listEntry);
    PromptScript script;
    script.answer(vbOK);
    form->Command1_Click(0);
    expectPrompt(script, QStringLiteral("不能保存界面！"), QStringLiteral("警告"), vbExclamation);
    EXPECT_TRUE(form->isLoaded());
    EXPECT_EQ(bytes(ListTable::ILIT, demo_.listEntry), before);
    form->forceUnload();
}

TEST_P(LbsjTest, ClosingAModifiedListAsks) {
    const auto before = bytes(ListTable::ILIT, demo_.listEntry);
    {
        // Esc on a modified list: No discards.
        auto form = open(kEntry);
        form->ListView1_ColumnClick(form->ListView1->Column(2));
        form->Text1->setText(QStringLiteral("题名"));
        PromptScript script;
        script.answer(vbNo);
        QTest::keyClick(form->txtWidth, Qt::Key_Escape);
        expectPrompt(script, QStringLiteral("界面设计器即将退出,是否保存界面所做的修改?"),
                     QStringLiteral("系统提示"), vbYesNo + vbQuestion);
        EXPECT_FALSE(form->isLoaded());
        EXPECT_EQ(bytes(ListTable::ILIT, demo_.listEntry), before);
    }
    {
        // Cancel discards without asking.
        auto form = open(kEntry);
        form->ListView1_ColumnClick(form->ListView1->Column(2));
        form->Check2->setChecked(true);
        form->Command1_Click(1);
        EXPECT_FALSE(form->isLoaded());
    }
    {
        // The close box: Yes saves.
        auto form = open(kEntry);
        form->ListView1_ColumnClick(form->ListView1->Column(2));
        form->Text1->setText(QStringLiteral("题名"));
        PromptScript script;
        script.answer(vbYes);
        form->close();
        EXPECT_FALSE(form->isLoaded());
    }
    EXPECT_EQ(fieldText(rows(ListTable::ILIT, demo_.listEntry)[1].ii03), QStringLiteral("题名"));
}

TEST_P(LbsjTest, CodesTheListsCannotShowAreKept) {
    ASSERT_GE(ExecSQL(hdbc(), QStringLiteral("update ilit set ii26 = '1781000000' where ii01 = %1")
                                  .arg(demo_.listEntry)),
              0);
    auto form = open(kEntry);
    form->ListView1_ColumnClick(form->ListView1->Column(1));
    EXPECT_EQ(form->Combo1->currentIndex(), -1);
    EXPECT_EQ(form->Combo2->currentIndex(), -1);
    form->ListView1_ColumnClick(form->ListView1->Column(2));
    form->Combo2->setCurrentIndex(2);  // a choice replaces the stored code
    ASSERT_TRUE(form->SaveInterface());
    const auto saved = rows(ListTable::ILIT, demo_.listEntry);
    EXPECT_EQ(fieldText(saved[0].ii26), QStringLiteral("1781000000"));
    EXPECT_EQ(fieldText(saved[1].ii26), QStringLiteral("1281000000"));
    form->forceUnload();
}

TEST_P(LbsjTest, HundredFiftyColumnsLoadEditAndSave) {
    makeColumns(ListTable::ILIT, demo_.listEntry, 150);
    auto form = open(kEntry);
    ASSERT_EQ(form->ListView1->ColumnCount(), 150);
    form->ListView1_ColumnClick(form->ListView1->Column(150));
    form->Check2->setChecked(true);
    form->txtWidth->setText(QStringLiteral("-30"));
    ASSERT_TRUE(form->SaveInterface());
    const auto saved = rows(ListTable::ILIT, demo_.listEntry);
    ASSERT_EQ(saved.size(), 150u);
    EXPECT_EQ(fieldText(saved[149].ii26), QStringLiteral("1101000000"));
    EXPECT_EQ(saved[149].ii07, 0);
    form->forceUnload();
}

TEST_P(LbsjTest, F1RaisesNeedHelpAndGoesNoFurther) {
    auto form = open(kEntry);
    QStringList ids;
    QObject::connect(form.get(), &Form::NeedHelp, [&](QString& id) { ids << id; });
    form->ListView1_ColumnClick(form->ListView1->Column(1));
    form->Text1->setFocus();
    QTest::keyClick(form->Text1, Qt::Key_F1);
    EXPECT_EQ(ids, QStringList{QString()});
    EXPECT_EQ(form->Text1->text(), QStringLiteral("编号"));
    form->forceUnload();
}

ZELK_ON_BOTH_BACKENDS(LbsjTest);

}  // namespace
}  // namespace zelk
