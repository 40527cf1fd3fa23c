// The wizard window driven through its handlers and QTest events.

#include <QTest>
#include <optional>

#include <gtest/gtest.h>

#include "platform/promptscript.h"
#include "support/refusal.h"
#include "support/reporttexts.h"
#include "wizard/frm_zelk_jmxd.h"
#include "wizard_fixture.h"

using namespace zelk;
using namespace zelk::test;

namespace {

class Wizard : public WizardDb {
  protected:
    void SetUp() override {
        WizardDb::SetUp();
        if (!IsSkipped()) reopen();
    }
    // A fresh window, as the manager opens it.
    void reopen() {
        if (w) w->forceUnload();
        w = std::make_unique<frm_zelk_jmxd>();
        w->init(hdbc(), demo::kSystem, demo::kMainTable, demo::kClass, demo::kAdminUser);
    }
    void TearDown() override {
        if (w) w->forceUnload();
    }
    // The page on view; -1 when not exactly one is.
    int step() const {
        int shown = -1;
        for (int i = 0; i <= 4; ++i) {
            if (w->Frame1[i].isHidden()) continue;
            if (shown >= 0) return -1;
            shown = i;
        }
        return shown;
    }
    // On to the field step with the class template's fields loaded, `name` typed.
    void toFields(const QString& name, const QString& kind = kKindItemEntry) {
        w->TextBox1->setText(name);
        w->ComboBox1->setEditText(kind);
        w->Command9_Click();
        w->ListView1->SetSelectedItem(w->ListView1->Item(1));
        w->CommandButton6_Click();
        ASSERT_EQ(step(), 2);
    }
    // Chooses the fields with these captions, in this order.
    void choose(const QStringList& captions) {
        for (const QString& c : captions) {
            w->ListViewSrc->SetSelectedItem(w->ListViewSrc->FindItem(c));
            w->Command2_Click();
        }
    }
    // Through the field and layout steps to the generate command.
    void generate(const QString& name, const QStringList& captions,
                  const QString& kind = kKindItemEntry) {
        toFields(name, kind);
        choose(captions);
        w->Command16_Click();
    }
    std::unique_ptr<frm_zelk_jmxd> w;
};

TEST_P(Wizard, EachStepShowsItsPageAndHint) {
    const char* hints[] = {"带有应用标志的界面一般是用做系统特殊应用的界面。",
                           "任何一个用户界面都是基于模板而生成。", "可以进行顺序调整。",
                           "可以节省调整界面设计的时间。", "对界面布局进行修改或进行栏目调整。"};
    EXPECT_EQ(step(), 0);
    EXPECT_EQ(w->Check3->checkState(), Qt::Checked);
    for (std::int16_t i = 4; i >= 0; --i) {
        w->ShowStep(i);
        EXPECT_EQ(step(), i);
        EXPECT_TRUE(w->Label6->text().endsWith(QString::fromUtf8(hints[i]))) << i;
    }
    w->ShowStepHint(5);
    EXPECT_TRUE(w->Label6->text().endsWith(QString::fromUtf8(hints[0])));
}

TEST_P(Wizard, NameIsCheckedBeforeTheTemplateStep) {
    for (const auto& [typed, message] :
         {std::pair{"   ", "界面名称不能为空！"},
          std::pair{" 发文登记 ", "界面名称为 发文登记 的界面已经存在！"}}) {
        PromptScript script;
        script.answer(vbOK);
        w->TextBox1->setText(typed);
        w->Command9_Click();
        expectPrompt(script, message);
        EXPECT_EQ(step(), 0);
        EXPECT_EQ(w->TextBox1->text(), typed);
    }
    w->TextBox1->setText("新界面");
    w->Command9_Click();
    EXPECT_EQ(step(), 1);
    EXPECT_TRUE(w->CommandButton6->isEnabled());
    w->CommandButton5_Click();
    EXPECT_EQ(step(), 0);
    EXPECT_EQ(w->TextBox1->text(), "新界面");
}

TEST_P(Wizard, KindDecidesTheButtonsOfTheFieldStep) {
    const struct {
        QString kind;
        bool item;
    } cases[] = {{kKindItemEntry, true},
                 {kKindItemSearch, true},
                 {kKindListEntry, false},
                 {kKindBrowseList, false},
                 {"其它界面", false}};
    for (const auto& c : cases) {
        w->TextBox1->setText("新界面");
        w->ComboBox1->setEditText(c.kind);
        w->Command9_Click();
        EXPECT_EQ(w->Command16->isHidden(), !c.item) << c.kind.toStdString();
        EXPECT_EQ(w->Command1->isHidden(), c.item) << c.kind.toStdString();
        w->CommandButton6_Click();
        w->Command16_Click();
        EXPECT_EQ(step(), 3);
        for (QRadioButton* o : {w->Option1, w->Option2, w->Option3, w->Option4})
            EXPECT_EQ(o->isHidden(), !c.item);
        w->ShowStep(0);
    }
    // A kind that is none of the four generates nothing.
    const auto before = snapshot();
    w->Command1_Click();
    w->Command13_Click();
    EXPECT_EQ(step(), 0);
    EXPECT_TRUE(snapshot() == before);
}

TEST_P(Wizard, WithoutTemplatesTheTemplateStepCannotGoOn) {
    frm_zelk_jmxd other;
    other.init(hdbc(), demo::kSystem, demo::kMainTable, "收文", demo::kAdminUser);
    other.TextBox1->setText("新界面");
    other.Command9_Click();
    EXPECT_EQ(other.ListView1->Count(), 0);
    EXPECT_FALSE(other.CommandButton6->isEnabled());
    // The page says why, beside the button, in the red of the manager's template note.
    EXPECT_FALSE(other.Label11->isHidden());
    EXPECT_EQ(other.Label11->text(), "类型模板未建立，在建立用户类型界面之前请先创建类型模板");
    EXPECT_EQ(other.Label11->palette().color(QPalette::WindowText), QColor(255, 0, 0));
    // Fault mended: the root class's heading went with the class-template sentence. The manager's
    // pair is kept.
    frm_zelk_jmxd root;
    root.init(hdbc(), demo::kSystem, demo::kMainTable, "  ", demo::kAdminUser);
    root.TextBox1->setText("新界面");
    root.Command9_Click();
    ASSERT_EQ(root.ListView1->Count(), 0);
    EXPECT_EQ(root.Label11->text(), "基础模板未建立，基础模板是用于生成跨类型统一界面的参照模板");
    w->TextBox1->setText("新界面");
    w->Command9_Click();
    EXPECT_TRUE(w->CommandButton6->isEnabled());
    EXPECT_TRUE(w->Label11->isHidden());
}

TEST_P(Wizard, FieldsAreLoadedOnceAndMoved) {
    toFields("新界面");
    ASSERT_EQ(w->ListViewSrc->Count(), 11);
    EXPECT_EQ(w->ListViewSrc->Item(1)->SubItems(1), "bh");
    choose({"文号", "编号", "标题"});
    EXPECT_EQ(rowTexts(*w->ListViewDsn), QStringList({"文号", "编号", "标题"}));
    EXPECT_EQ(w->ListViewSrc->Count(), 8);

    // Back and on again with the same template keeps the choice.
    w->Command17_Click();
    w->CommandButton6_Click();
    EXPECT_EQ(rowTexts(*w->ListViewDsn), QStringList({"文号", "编号", "标题"}));

    // Down on the first row, up twice; nothing moves past the ends.
    w->ListViewDsn->SetSelectedItem(w->ListViewDsn->Item(1));
    w->Command7_Click();
    EXPECT_EQ(rowTexts(*w->ListViewDsn), QStringList({"编号", "文号", "标题"}));
    w->Command8_Click();
    w->Command8_Click();
    EXPECT_EQ(rowTexts(*w->ListViewDsn), QStringList({"文号", "编号", "标题"}));
    EXPECT_EQ(w->ListViewDsn->SelectedItem()->Index(), 1);

    // A double click moves the row back; ">>" and "<<" move everything in list order.
    w->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(w.get()));
    ListItem* last = w->ListViewDsn->Item(3);
    w->ListViewDsn->SetSelectedItem(last);
    QTest::mouseDClick(w->ListViewDsn->viewport(), Qt::LeftButton, {},
                       w->ListViewDsn->visualItemRect(last).center());
    EXPECT_EQ(rowTexts(*w->ListViewDsn), QStringList({"文号", "编号"}));
    EXPECT_EQ(w->ListViewSrc->Item(w->ListViewSrc->Count())->Text(), "标题");
    w->Command3_Click();
    EXPECT_EQ(w->ListViewSrc->Count(), 0);
    EXPECT_EQ(rowTexts(*w->ListViewDsn)[2], "发文日期");
    w->Command6_Click();
    EXPECT_EQ(w->ListViewDsn->Count(), 0);
    EXPECT_EQ(w->ListViewSrc->Count(), 11);
}

TEST_P(Wizard, AnotherTemplateEmptiesTheLists) {
    toFields("新界面");
    choose({"标题"});
    ASSERT_GT(addInterface("", "公共模板", "5"), 0);
    w->LoadTemplateList();
    ASSERT_EQ(w->ListView1->Count(), 2);
    w->ListView1->SetSelectedItem(w->ListView1->Item(2));
    w->CommandButton6_Click();
    EXPECT_EQ(w->ListViewSrc->Count(), 0);
    EXPECT_EQ(w->ListViewDsn->Count(), 0);
}

TEST_P(Wizard, ListKindIsGeneratedFromTheFieldStep) {
    toFields("发文列表", kKindListEntry);
    choose({"文号", "编号"});
    w->Command1_Click();
    EXPECT_EQ(step(), 4);
    const std::int32_t n = numberOf("发文列表2");
    ASSERT_GT(n, 0);
    EXPECT_EQ(sysILITGetRecordCount(hdbc(), n), 2);
}

// Every name a command would store is checked before anything is written.
TEST_P(Wizard, ANameInUseRefusesTheWholeRun) {
    generate("发文单", {"标题"});
    ASSERT_GT(addInterface(demo::kClass, "发文单4", "4", "aaaaa"), 0);
    const auto before = snapshot();
    PromptScript script;
    script.answer(vbOK);
    w->Command13_Click();
    expectPrompt(script, "界面名称为发文单4的界面已经存在！");
    EXPECT_EQ(step(), 3);
    EXPECT_TRUE(snapshot() == before);
}

TEST_P(Wizard, ItemEntryMakesThreeInterfaces) {
    generate("发文单", {"标题", "发文日期", "附件"});
    w->Option3->setChecked(true);
    w->Command13_Click();
    EXPECT_EQ(step(), 4);
    EXPECT_EQ(sysISITGetRecordCount(hdbc(), numberOf("发文单1")), 3);
    // The search form cannot take the sub-table field 附件: the done page says so.
    EXPECT_EQ(sysIJSTGetRecordCount(hdbc(), numberOf("发文单3")), 2);
    EXPECT_EQ(sysILSTGetRecordCount(hdbc(), numberOf("发文单4")), 3);
    EXPECT_EQ(numberOf("发文单2"), 0);
    EXPECT_FALSE(w->Label12->isHidden());
    EXPECT_EQ(w->Label12->text(), "检索界面不能检索子表，以下栏目未放入检索界面：附件");
}

// A companion that fails is reported; the entry form stays and the wizard is done.
TEST_P(Wizard, AFailedCompanionIsReported) {
    refuseSecond(hdbc(), "ilst", "is04", "1");  // the demo browse list has a column in place 1
    generate("发文单", {"标题"});
    PromptScript script;
    script.answer(vbOK);
    w->Command13_Click();
    expectPrompt(script, "不能保存界面数据，请检查数据选择项！");
    EXPECT_EQ(step(), 4);
    EXPECT_GT(numberOf("发文单1"), 0);
    EXPECT_GT(numberOf("发文单3"), 0);
    EXPECT_EQ(numberOf("发文单4"), 0);
}

// A refused begin, commit or search item row stays on the step and leaves nothing.
TEST_P(Wizard, ARefusedItemSearchStaysOnTheStepAndLeavesNothing) {
    for (const auto what : {std::optional(TxnRefusal::Begin), std::optional(TxnRefusal::Commit),
                            std::optional<TxnRefusal>()}) {
        SCOPED_TRACE(what ? testing::PrintToString(*what) : "refused row");
        reopen();
        generate("查询单", {"标题", "文号", "发文日期"}, kKindItemSearch);
        const auto before = snapshot();
        PromptScript script;
        script.answer(vbOK);
        if (what) {
            whileRefused(*what, hdbc(), GetParam(), "indt", [&] { w->Command13_Click(); });
        } else {
            refuseSecond(hdbc(), "ijst", "is04", "3");
            w->Command13_Click();
        }
        expectPrompt(script, "不能保存界面数据，请检查数据选择项！");
        EXPECT_EQ(step(), 3);
        EXPECT_TRUE(snapshot() == before);
    }
}

TEST_P(Wizard, ARefusedCopyLeavesNothing) {
    for (const TxnRefusal what : kTxnRefusals) {
        SCOPED_TRACE(testing::PrintToString(what));
        reopen();
        w->TextBox1->setText(QStringLiteral("复制单"));
        w->ComboBox1->setEditText(kKindItemEntry);
        w->Command9_Click();
        // The list offers templates only: a row is made to stand for an item-entry form.
        ListItem* form = w->ListView1->Item(1);
        form->SetSubItems(1, QStringLiteral("录入条目界面"));
        form->SetTag(QString::number(numberOf(QStringLiteral("发文登记"))));
        w->ListView1->SetSelectedItem(form);
        const auto before = snapshot();
        PromptScript script;
        script.answer(vbOK);
        whileRefused(what, hdbc(), GetParam(), "isit", [&] { w->CopyTemplateInterface(); });
        expectPrompt(script, "数据读写错误：不能复制界面！");
        EXPECT_TRUE(w->isLoaded());
        EXPECT_TRUE(snapshot() == before);
    }
}

TEST_P(Wizard, CancelWritesNothing) {
    generate("发文单", {"标题"});
    const auto before = snapshot();
    w->Command14_Click();
    EXPECT_FALSE(w->isLoaded());
    EXPECT_TRUE(snapshot() == before);
}

TEST_P(Wizard, TemplateRowsAreNeverCopied) {
    const auto before = snapshot();
    w->ListView1->SetSelectedItem(w->ListView1->Item(1));
    w->CopyTemplateInterface();
    EXPECT_FALSE(w->isLoaded());
    EXPECT_TRUE(snapshot() == before);
}

INSTANTIATE_TEST_SUITE_P(SQLite, Wizard, ::testing::Values(TestBackend::SQLite), backendName);

}  // namespace
