#include <gtest/gtest.h>

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "platform/errors.h"
#include "platform/promptscript.h"
#include "support/prompt_failures.h"

namespace zelk {
namespace {

TEST(MsgBoxScript, AnsweredNoReturnsSevenAndIsRecorded) {
    PromptScript script;
    script.answer(vbNo);
    const int r = MsgBox(QStringLiteral("是否保存修改？"), vbYesNoCancel | vbQuestion,
                         QStringLiteral("系统确认"));
    EXPECT_EQ(r, vbNo);
    ASSERT_EQ(script.prompts().size(), 1u);
    const PromptRecord& p = script.prompts().front();
    EXPECT_EQ(p.kind, PromptKind::MessageBox);
    EXPECT_EQ(p.text, QStringLiteral("是否保存修改？"));
    EXPECT_EQ(p.title, QStringLiteral("系统确认"));
    EXPECT_EQ(p.style, vbYesNoCancel | vbQuestion);
}

struct ButtonCase {
    int style;
    std::vector<int> buttons;
    int safe;
    const char* name;
};
void PrintTo(const ButtonCase& c, std::ostream* os) {
    *os << c.name;
}

class MsgBoxButtons : public ::testing::TestWithParam<ButtonCase> {};

TEST_P(MsgBoxButtons, StyleGivesButtonsAndSafeAnswer) {
    const ButtonCase& c = GetParam();
    EXPECT_EQ(msgBoxButtons(c.style | vbExclamation | vbDefaultButton2), c.buttons);
    EXPECT_EQ(msgBoxSafeAnswer(c.style), c.safe);
}

INSTANTIATE_TEST_SUITE_P(
    Styles, MsgBoxButtons,
    ::testing::Values(
        ButtonCase{vbOKOnly, {vbOK}, vbOK, "OKOnly"},
        ButtonCase{vbOKCancel, {vbOK, vbCancel}, vbCancel, "OKCancel"},
        ButtonCase{vbAbortRetryIgnore, {vbAbort, vbRetry, vbIgnore}, vbAbort, "AbortRetryIgnore"},
        ButtonCase{vbYesNoCancel, {vbYes, vbNo, vbCancel}, vbCancel, "YesNoCancel"},
        ButtonCase{vbYesNo, {vbYes, vbNo}, vbNo, "YesNo"},
        ButtonCase{vbRetryCancel, {vbRetry, vbCancel}, vbCancel, "RetryCancel"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(MsgBoxScript, CaptionsAreChinese) {
    EXPECT_EQ(msgBoxButtonCaption(vbOK), QStringLiteral("确定"));
    EXPECT_EQ(msgBoxButtonCaption(vbCancel), QStringLiteral("取消"));
    EXPECT_EQ(msgBoxButtonCaption(vbYes), QStringLiteral("是(Y)"));
    EXPECT_EQ(msgBoxButtonCaption(vbNo), QStringLiteral("否(N)"));
}

TEST(PromptScriptFailures, UnexpectedPromptAndUnusedAnswersAreReported) {
    test::CapturedPromptFailures failures;
    {
        PromptScript script;
        script.input(QStringLiteral("abc"));
        // A message box where an input box was expected: safe answer, a failure, answer kept.
        EXPECT_EQ(MsgBox(QStringLiteral("删除吗？"), vbYesNo, QStringLiteral("确认")), vbNo);
    }
    ASSERT_EQ(failures.messages().size(), 2);
    EXPECT_TRUE(failures.messages()[0].contains(QStringLiteral("删除吗？")));
    EXPECT_TRUE(failures.messages()[1].contains(QStringLiteral("unused")));
}

TEST(PromptScriptFailures, PromptWithoutScriptOnHeadlessScreenDoesNotWait) {
    test::CapturedPromptFailures failures;
    EXPECT_EQ(MsgBox(QStringLiteral("x"), vbOKCancel), vbCancel);
    EXPECT_EQ(InputBox(QStringLiteral("name")), QString());
    EXPECT_EQ(failures.messages().size(), 2);
}

TEST(InputBoxScript, AnswersAndCancel) {
    PromptScript script;
    script.input(QStringLiteral("新界面")).cancelInput();
    EXPECT_EQ(InputBox(QStringLiteral("界面名称"), QStringLiteral("提示")),
              QStringLiteral("新界面"));
    EXPECT_EQ(InputBox(QStringLiteral("界面名称"), QStringLiteral("提示"), QStringLiteral("d")),
              QString());
    EXPECT_EQ(script.prompts().size(), 2u);
}

TEST(CommonDialogScript, ColourFontFileAndCancel) {
    PromptScript script;
    script.chooseColor(QColor(1, 2, 3))
        .cancelDialog()
        .chooseFont(QFont(QStringLiteral("宋体"), 12))
        .chooseFile(QStringLiteral("/tmp/a.idf"))
        .cancelDialog();
    CommonDialog dlg;
    dlg.Color = 0xFFFFFF;
    dlg.ShowColor();
    EXPECT_EQ(dlg.Color, 0x030201);
    dlg.ShowColor();  // cancelled: the colour stays
    EXPECT_EQ(dlg.Color, 0x030201);
    dlg.ShowFont();
    EXPECT_EQ(dlg.FontName, QStringLiteral("宋体"));
    EXPECT_EQ(dlg.FontSize, 12);
    dlg.ShowOpen();
    EXPECT_EQ(dlg.FileName, QStringLiteral("/tmp/a.idf"));
    EXPECT_EQ(dlg.FileTitle, QStringLiteral("a.idf"));
    dlg.CancelError = true;
    try {
        dlg.ShowSave();
        FAIL() << "cancel with CancelError set raised nothing";
    } catch (const ZelkError& e) {
        EXPECT_EQ(e.number(), kErrCancel);
    }
    EXPECT_EQ(dlg.FileName, QStringLiteral("/tmp/a.idf"));
}

TEST(CommonDialog, FilterTurnsIntoQtForm) {
    EXPECT_EQ(
        commonDialogFilterToQt(QStringLiteral("界面数据文件 (*.idf)|*.idf|所有文件 (*.*)|*.*")),
        QStringLiteral("界面数据文件 (*.idf) (*.idf);;所有文件 (*.*) (*.*)"));
    EXPECT_EQ(commonDialogFilterToQt(QStringLiteral("所有背景图片文件(*.jpg,*.bmp)|*.jpg;*.bmp")),
              QStringLiteral("所有背景图片文件(*.jpg,*.bmp) (*.jpg *.bmp)"));
}

TEST(BusyCursor, HourglassForItsLifetime) {
    EXPECT_EQ(ScreenMousePointer(), vbDefault);
    {
        BusyCursor busy;
        EXPECT_EQ(ScreenMousePointer(), vbHourglass);
    }
    EXPECT_EQ(ScreenMousePointer(), vbDefault);
}

TEST(ReportRuntimeError, ShowsSourceAndDescriptionWithExclamation) {
    PromptScript script;
    script.answer(vbOK).answer(vbOK).answer(vbOK);
    EXPECT_FALSE(TrapErrors(QStringLiteral("frm_zelk_main"), [] {
        throw ZelkError(QStringLiteral("frm_zelk_ljgl"), QStringLiteral("对象不存在"));
    }));
    EXPECT_FALSE(
        TrapErrors(QStringLiteral("frm_zelk_main"), [] { throw std::runtime_error("bad"); }));
    EXPECT_FALSE(TrapErrors(QStringLiteral("frm_zelk_main"), [] { throw 42; }));
    EXPECT_TRUE(TrapErrors(QStringLiteral("frm_zelk_main"), [] {}));
    ASSERT_EQ(script.prompts().size(), 3u);
    EXPECT_EQ(script.prompts()[0].text, QStringLiteral("frm_zelk_ljgl遇到异常。 \n对象不存在"));
    EXPECT_EQ(script.prompts()[0].title, QStringLiteral("系统提示"));
    EXPECT_EQ(script.prompts()[0].style, 48);
    EXPECT_EQ(script.prompts()[1].text, QStringLiteral("frm_zelk_main遇到异常。 \nbad"));
    EXPECT_TRUE(script.prompts()[2].text.startsWith(QStringLiteral("frm_zelk_main遇到异常。 \n")));
}

TEST(ReportRuntimeError, ReportsThePendingErrorInsideACatch) {
    PromptScript script;
    script.answer(vbOK);
    ReportRuntimeError(QStringLiteral("nothing pending"));  // outside a catch: no message
    try {
        throw std::out_of_range("下标越界");
    } catch (...) {
        ReportRuntimeError(QStringLiteral("frm_zelk_main"));
    }
    ASSERT_EQ(script.prompts().size(), 1u);
    EXPECT_EQ(script.prompts()[0].text, QStringLiteral("frm_zelk_main遇到异常。 \n下标越界"));
}

}  // namespace
}  // namespace zelk
