// The column pickers on the demo data: which fields are offered, the moves, up and down, the
// save and its messages, for the list-entry and the browse-list picker alike.

#include <gtest/gtest.h>

#include <QTest>
#include <optional>

#include "listdesigner/columnpicker.h"
#include "listfixture.h"
#include "platform/promptscript.h"
#include "support/refusal.h"
#include "support/reporttexts.h"

namespace zelk {
namespace {

using test::expectPrompt;
using test::ListFixture;
using test::rowTexts;

class PickerTest : public ListFixture {
  protected:
    std::unique_ptr<ColumnPicker> open(ListTable table, const QString& className = demo::kClass) {
        std::unique_ptr<ColumnPicker> form;
        if (table == ListTable::ILIT)
            form = std::make_unique<frm_zelk_ilit>();
        else
            form = std::make_unique<frm_zelk_ilst>();
        form->init(hdbc(), demo::kSystem, demo::kMainTable, className, fidOf(table));
        form->show();
        return form;
    }
    std::int32_t fidOf(ListTable table) const {
        return table == ListTable::ILIT ? demo_.listEntry : demo_.browseList;
    }
};

const ListTable kTables[] = {ListTable::ILIT, ListTable::ILST};

TEST_P(PickerTest, OffersTemplateFieldsNotChosenAndNamesEmptyCaptions) {
    ASSERT_GE(ExecSQL(hdbc(), QStringLiteral("update ilst set is03 = '' where is01 = %1 and "
                                             "is02 = 'wh'")
                                  .arg(demo_.browseList)),
              0);
    for (const ListTable table : kTables) {
        auto form = open(table);
        EXPECT_EQ(rowTexts(*form->DSNListView, 1),
                  (QStringList{"bh", "bt", "wh", "fwrq", "mj", "ngr"}));
        for (const QString& f : rowTexts(*form->DSNListView, 1))
            EXPECT_FALSE(rowTexts(*form->SRCListView, 1).contains(f)) << f.toStdString();
        EXPECT_GT(form->SRCListView->Count(), 0);
        EXPECT_EQ(rowTexts(*form->DSNListView)[2],
                  table == ListTable::ILST ? QStringLiteral("未定义栏目") : QStringLiteral("文号"));
        form->forceUnload();
    }
}

TEST_P(PickerTest, MovesUpAndDown) {
    auto form = open(ListTable::ILIT);
    ReportView& dsn = *form->DSNListView;
    ReportView& src = *form->SRCListView;
    const QStringList start = rowTexts(dsn);
    // Without a selection, nothing moves.
    dsn.SetSelectedItem(nullptr);
    src.SetSelectedItem(nullptr);
    form->Command8_Click();
    form->Command7_Click();
    form->Command10_Click();
    form->Command12_Click();
    EXPECT_EQ(rowTexts(dsn), start);
    // Up on the first and down on the last change nothing.
    dsn.SetSelectedItem(dsn.Item(1));
    form->Command8_Click();
    dsn.SetSelectedItem(dsn.Item(dsn.Count()));
    form->Command7_Click();
    EXPECT_EQ(rowTexts(dsn), start);
    // Up on row 2 exchanges rows 1 and 2 and keeps the moved row selected.
    dsn.SetSelectedItem(dsn.Item(2));
    form->Command8_Click();
    EXPECT_EQ(rowTexts(dsn).mid(0, 2), (QStringList{start[1], start[0]}));
    EXPECT_EQ(dsn.SelectedItem(), dsn.Item(1));
    // A removed column goes to the end of the other list.
    form->RemoveColumnFromInterface();
    EXPECT_EQ(src.Item(src.Count())->SubItems(1), QStringLiteral("bt"));
    form->forceUnload();
}

TEST_P(PickerTest, SavesTheChosenColumnsAndUnloads) {
    for (const ListTable table : kTables) {
        auto form = open(table);
        form->SRCListView->SetSelectedItem(form->SRCListView->Item(1));
        const QString added = form->SRCListView->Item(1)->SubItems(1);
        QTest::mouseDClick(form->SRCListView->viewport(), Qt::LeftButton, {},
                           form->SRCListView->visualItemRect(form->SRCListView->Item(1)).center());
        ASSERT_EQ(form->DSNListView->Count(), 7);
        form->Command1_Click();
        EXPECT_FALSE(form->isLoaded());
        const auto saved = rows(table, fidOf(table));
        ASSERT_EQ(saved.size(), 7u);
        EXPECT_EQ(fieldText(saved[6].ii02), added);
        for (std::size_t i = 0; i < 7; ++i)
            EXPECT_EQ(
                QString("%1/%2/").arg(saved[i].ii04).arg(saved[i].ii07) + fieldText(saved[i].ii26),
                QString("%1/1440/1100111110").arg(i + 1));
    }
}

TEST_P(PickerTest, MessagesForNoTemplateAndAnEmptyList) {
    PromptScript script;
    script.answer(vbOK).answer(vbOK);
    auto form = open(ListTable::ILST, QStringLiteral("收文"));
    EXPECT_EQ(form->SRCListView->Count(), 0);
    EXPECT_EQ(form->DSNListView->Count(), 6);  // still listed and usable
    form->RemoveAllColumnsFromInterface();
    form->Command1_Click();
    ASSERT_EQ(script.prompts().size(), 2u);
    EXPECT_EQ(script.prompts()[0].text, QStringLiteral("分类模板未定义，请定义分类模板..."));
    EXPECT_EQ(script.prompts()[1].text, QStringLiteral("界面栏目不能为空，请选择栏目后再保存"));
    for (const auto& p : script.prompts()) {
        EXPECT_EQ(p.title, QStringLiteral("系统提示"));
        EXPECT_EQ(p.style, vbExclamation);
    }
    EXPECT_TRUE(form->isLoaded());
    EXPECT_EQ(rows(ListTable::ILST, demo_.browseList).size(), 6u);
    form->forceUnload();
}

// A refused column row (the K-th), begin or commit keeps the old rows and the window.
TEST_P(PickerTest, RefusedSaveKeepsTheOldRows) {
    const struct {
        std::optional<test::TxnRefusal> what;
        ListTable table;
        const char* message;
    } cases[] = {
        {std::nullopt, ListTable::ILIT, "保存记录失败，请稍后重试"},
        {test::TxnRefusal::Begin, ListTable::ILST, "界面栏目正在使用，不能进行修改，请稍后再试"},
        {test::TxnRefusal::Commit, ListTable::ILST, "保存记录失败，请稍后重试"}};
    for (const auto& c : cases) {
        auto form = open(c.table);
        const auto before = bytes(c.table, fidOf(c.table));
        PromptScript script;
        script.answer(vbOK);
        if (c.what) {
            test::whileRefused(*c.what, hdbc(), GetParam(), "ilst",
                               [&] { form->Command1_Click(); });
        } else {
            form->DSNListView->Item(4)->SetSubItems(1, QStringLiteral("bh"));  // repeats the first
            refuse(c.table, "02", QStringLiteral("'bh'"));
            form->Command1_Click();
        }
        expectPrompt(script, QString::fromUtf8(c.message), QStringLiteral("系统提示"),
                     vbExclamation);
        EXPECT_TRUE(form->isLoaded());
        EXPECT_FALSE(form->prg1->isVisible());
        EXPECT_EQ(bytes(c.table, fidOf(c.table)), before);
        form->forceUnload();
    }
}

TEST_P(PickerTest, HundredFiftyColumns) {
    makeColumns(ListTable::ILST, demo_.browseList, 150);
    auto form = open(ListTable::ILST);
    ASSERT_EQ(form->DSNListView->Count(), 150);
    form->DSNListView->SetSelectedItem(form->DSNListView->Item(150));
    form->Command8_Click();
    form->Command1_Click();
    const auto saved = rows(ListTable::ILST, demo_.browseList);
    ASSERT_EQ(saved.size(), 150u);
    EXPECT_EQ(fieldText(saved[148].ii02), QStringLiteral("f150"));
    EXPECT_EQ(form->prg1->Max(), 151);
}

ZELK_ON_BOTH_BACKENDS(PickerTest);

}  // namespace
}  // namespace zelk
