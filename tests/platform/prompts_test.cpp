#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QLabel>
#include <QMenu>
#include <QTimer>

#include "platform/errors.h"
#include "platform/pointer.h"
#include "platform/promptscript.h"

namespace zelk {
namespace {

TEST(PromptScript, AnsweredNoAndInputsAreReturnedAndRecorded) {
    PromptScript script;
    script.answer(vbNo).input("新界面").cancelInput();
    const int r = MsgBox("是否保存修改？", vbYesNoCancel | vbQuestion, "系统确认");
    EXPECT_EQ(r, vbNo);
    EXPECT_EQ(InputBox("界面名称", "提示"), "新界面");
    EXPECT_EQ(InputBox("界面名称", "提示", "d"), QString());
    ASSERT_EQ(script.prompts().size(), 3u);
    const PromptRecord& p = script.prompts().front();
    EXPECT_EQ(p.kind, PromptKind::MessageBox);
    EXPECT_EQ(p.text, "是否保存修改？");
    EXPECT_EQ(p.title, "系统确认");
    EXPECT_EQ(p.style, vbYesNoCancel | vbQuestion);
}

struct ButtonCase {
    int style;
    std::vector<int> buttons;
    int safe;
    const char* name;
    friend void PrintTo(const ButtonCase& c, std::ostream* os) { *os << c.name; }
};

class MsgBoxButtons : public ::testing::TestWithParam<ButtonCase> {};

TEST_P(MsgBoxButtons, StyleGivesButtonsAndSafeAnswer) {
    const ButtonCase& c = GetParam();
    EXPECT_EQ(msgBoxButtons(c.style | vbExclamation | vbDefaultButton2), c.buttons);
    EXPECT_EQ(msgBoxSafeAnswer(c.style), c.safe);
}

INSTANTIATE_TEST_SUITE_P(
    Styles, MsgBoxButtons,
    ::testing::Values(
        ButtonCase{vbAbortRetryIgnore, {vbAbort, vbRetry, vbIgnore}, vbAbort, "AbortRetryIgnore"},
        ButtonCase{vbYesNoCancel, {vbYes, vbNo, vbCancel}, vbCancel, "YesNoCancel"},
        ButtonCase{vbYesNo, {vbYes, vbNo}, vbNo, "YesNo"}),
    [](const auto& info) { return std::string(info.param.name); });

// The seam's failure reports, collected instead of failing the test while it lives.
struct CapturedPromptFailures {
    CapturedPromptFailures() {
        setPromptFailureHandler([this](const QString& m) { messages << m; });
    }
    ~CapturedPromptFailures() {
        setPromptFailureHandler([](const QString& m) { ADD_FAILURE() << m.toStdString(); });
    }
    QStringList messages;
};

TEST(PromptScriptFailures, UnexpectedPromptAndUnusedAnswersAreReported) {
    CapturedPromptFailures failures;
    {
        PromptScript script;
        script.input("abc");
        // A message box where an input box was expected: safe answer, a failure, answer kept.
        EXPECT_EQ(MsgBox("删除吗？", vbYesNo, "确认"), vbNo);
    }
    ASSERT_EQ(failures.messages.size(), 2);
    EXPECT_TRUE(failures.messages[0].contains("删除吗？"));
    EXPECT_TRUE(failures.messages[1].contains("unused"));
}

// A prompt or a menu without a script is reported and gets the safe answer at once.
TEST(PromptScriptFailures, PromptOrMenuWithoutScriptOnHeadlessScreenDoesNotWait) {
    CapturedPromptFailures failures;
    EXPECT_EQ(MsgBox("x", vbOKCancel), vbCancel);
    EXPECT_EQ(InputBox("name"), QString());
    QMenu menu;
    menu.addAction(QStringLiteral("置前"));
    EXPECT_EQ(PopupMenu(menu, QPoint()), nullptr);
    EXPECT_EQ(failures.messages.size(), 3);
}

TEST(PopupMenuScript, ChoosesAnEntryByTextOrNameOrDismisses) {
    QMenu menu(QStringLiteral("菜单"));
    menu.setObjectName(QStringLiteral("pop_menu"));
    QAction* front = menu.addAction(QStringLiteral("置前"));
    menu.addSeparator();
    QAction* prop = menu.addAction(QStringLiteral("编辑属性"));
    prop->setObjectName(QStringLiteral("mnu_prop"));
    QStringList ran;
    QObject::connect(front, &QAction::triggered, [&] { ran << "front"; });
    QObject::connect(prop, &QAction::triggered, [&] { ran << "prop"; });
    PromptScript script;
    script.chooseMenuEntry(QStringLiteral("置前")).chooseMenuEntry("mnu_prop").dismissMenu();
    EXPECT_EQ(PopupMenu(menu, QPoint(10, 10)), front);
    EXPECT_EQ(PopupMenu(menu, QPoint(10, 10)), prop);
    EXPECT_EQ(PopupMenu(menu, QPoint(10, 10)), nullptr);
    EXPECT_EQ(ran, QStringList({"front", "prop"}));
    ASSERT_EQ(script.prompts().size(), 3u);
    EXPECT_EQ(script.prompts()[0].kind, PromptKind::PopupMenu);
    EXPECT_EQ(script.prompts()[0].text, QStringLiteral("pop_menu"));
}

TEST(CommonDialogScript, ColourFontFileCancelAndFontColour) {
    PromptScript script;
    script.chooseColor(QColor(1, 2, 3))
        .cancelDialog()
        .chooseFont(QFont("宋体", 12))
        .chooseFile("/tmp/a.idf")
        .cancelDialog()
        .chooseFont(QFont("宋体", 10), QColor(0, 0, 255))
        .chooseFont(QFont("宋体", 10), Qt::red);
    CommonDialog dlg;
    dlg.Color = 0xFFFFFF;
    dlg.ShowColor();
    EXPECT_EQ(dlg.Color, 0x030201);
    dlg.ShowColor();  // cancelled: the colour stays
    EXPECT_EQ(dlg.Color, 0x030201);
    dlg.ShowFont();
    EXPECT_EQ(dlg.FontName, "宋体");
    EXPECT_EQ(dlg.FontSize, 12);
    dlg.ShowOpen();
    EXPECT_EQ(dlg.FileName, "/tmp/a.idf");
    EXPECT_EQ(dlg.FileTitle, "a.idf");
    dlg.CancelError = true;
    try {
        dlg.ShowSave();
        FAIL() << "cancel with CancelError set raised nothing";
    } catch (const ZelkError& e) {
        EXPECT_EQ(e.number(), kErrCancel);
    }
    EXPECT_EQ(dlg.FileName, "/tmp/a.idf");

    // With effects the font dialog offers a colour, written back to Color; without, Color stays.
    dlg.Color = 0x00FF00;
    dlg.Flags = 259;
    dlg.ShowFont();
    EXPECT_EQ(dlg.Color, 0xFF0000);
    dlg.Flags = cdlCFScreenFonts;
    dlg.ShowFont();
    EXPECT_EQ(dlg.Color, 0xFF0000);
}

// The real font dialog with effects: its colour label has a buddy, so "&C" is the mnemonic and no
// literal ampersand shows.
TEST(CommonDialog, FontDialogColourLabelShowsItsMnemonic) {
    CommonDialog dlg;
    dlg.Flags = 259;
    bool found = false;
    QTimer::singleShot(0, [&] {
        for (QWidget* top : QApplication::topLevelWidgets()) {
            auto* dialog = qobject_cast<QDialog*>(top);
            if (!dialog || !dialog->isVisible()) continue;
            for (const QLabel* label : dialog->findChildren<QLabel*>())
                if (label->text() == QStringLiteral("颜色(&C):")) found = label->buddy() != nullptr;
            dialog->reject();
        }
    });
    EXPECT_FALSE(showCommonDialogToPerson(PromptKind::Font, dlg));
    EXPECT_TRUE(found);
}

TEST(CommonDialog, FilterTurnsIntoQtForm) {
    // The dialog hides the appended patterns and shows each description as stored.
    EXPECT_EQ(commonDialogFilterToQt("界面数据文件 (*.idf)|*.idf|所有文件 (*.*)|*.*"),
              "界面数据文件 (*.idf) (*.idf);;所有文件 (*.*) (*.*)");
    EXPECT_EQ(commonDialogFilterToQt("所有背景图片文件(*.jpg,*.bmp)|*.jpg;*.bmp"),
              "所有背景图片文件(*.jpg,*.bmp) (*.jpg *.bmp)");
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
    script.answer(vbOK).answer(vbOK).answer(vbOK).answer(vbOK);
    EXPECT_FALSE(
        TrapErrors("frm_zelk_main", [] { throw ZelkError("frm_zelk_ljgl", "对象不存在"); }));
    EXPECT_FALSE(TrapErrors("frm_zelk_main", [] { throw std::runtime_error("bad"); }));
    EXPECT_FALSE(TrapErrors("frm_zelk_main", [] { throw 42; }));
    EXPECT_TRUE(TrapErrors("frm_zelk_main", [] {}));
    // Inside a catch the pending error is reported; outside one there is nothing to report.
    ReportRuntimeError("nothing pending");
    try {
        throw std::out_of_range("下标越界");
    } catch (...) {
        ReportRuntimeError("frm_zelk_main");
    }
    ASSERT_EQ(script.prompts().size(), 4u);
    EXPECT_EQ(script.prompts()[0].text, "frm_zelk_ljgl遇到异常。 \n对象不存在");
    EXPECT_EQ(script.prompts()[0].title, "系统提示");
    EXPECT_EQ(script.prompts()[0].style, 48);
    EXPECT_EQ(script.prompts()[1].text, "frm_zelk_main遇到异常。 \nbad");
    EXPECT_TRUE(script.prompts()[2].text.startsWith("frm_zelk_main遇到异常。 \n"));
    EXPECT_EQ(script.prompts()[3].text, "frm_zelk_main遇到异常。 \n下标越界");
}

}  // namespace
}  // namespace zelk
