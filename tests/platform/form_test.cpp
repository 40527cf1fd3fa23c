#include <gtest/gtest.h>

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QVBoxLayout>

#include "platform/errors.h"
#include "platform/form.h"
#include "platform/promptscript.h"
#include "platform/twips.h"

namespace zelk {
namespace {

// A small dialog as the windows write them: public variables, Cancelled, OK and Cancel.
class NameDialog : public Form {
  public:
    NameDialog() {
        auto* layout = new QVBoxLayout(this);
        Text1 = new QLineEdit(this);
        Command1 = new QPushButton(QStringLiteral("确定"), this);
        Command2 = new QPushButton(QStringLiteral("取消"), this);
        layout->addWidget(Text1);
        layout->addWidget(Command1);
        layout->addWidget(Command2);
        connect(Command1, &QPushButton::clicked, this, [this] {
            ItemName = Text1->text();
            Cancelled = false;
            unload();
        });
        connect(Command2, &QPushButton::clicked, this, [this] { unload(); });
    }
    QString ItemName;
    bool Cancelled = true;
    bool KeepOpen = false;
    int loads = 0;
    int queryModes = -1;
    std::vector<int> keys;

    QLineEdit* Text1;
    QPushButton* Command1;
    QPushButton* Command2;

  protected:
    void Form_Load() override {
        ++loads;
        Text1->setText(ItemName);
    }
    void Form_QueryUnload(int& cancel, int mode) override {
        queryModes = mode;
        if (KeepOpen) cancel = 1;
    }
    void Form_KeyDown(int& keyCode, int) override { keys.push_back(keyCode); }
};

TEST(FormModal, ScriptedFillAndConfirmReturnsTheValues) {
    NameDialog dlg;
    dlg.ItemName = QStringLiteral("旧名");
    PromptScript script;
    script.onModal<NameDialog>([](NameDialog& d) {
        EXPECT_TRUE(d.isVisible());
        EXPECT_TRUE(d.isShownModal());
        EXPECT_EQ(d.Text1->text(), QStringLiteral("旧名"));
        d.Text1->setText(QStringLiteral("新名"));
        QTest::mouseClick(d.Command1, Qt::LeftButton);
    });
    dlg.showModal();
    EXPECT_FALSE(dlg.Cancelled);
    EXPECT_EQ(dlg.ItemName, QStringLiteral("新名"));
    EXPECT_FALSE(dlg.isLoaded());
    EXPECT_FALSE(dlg.isVisible());
    EXPECT_EQ(dlg.loads, 1);
    ASSERT_EQ(script.prompts().size(), 1u);
    EXPECT_EQ(script.prompts()[0].kind, PromptKind::ModalForm);
}

TEST(FormModal, CloseBoxLeavesCancelled) {
    NameDialog dlg;
    PromptScript script;
    script.onModal([](Form& f) { f.close(); });
    dlg.showModal();
    EXPECT_TRUE(dlg.Cancelled);
    EXPECT_EQ(dlg.queryModes, vbFormControlMenu);
    EXPECT_FALSE(dlg.isLoaded());
}

TEST(FormLifeCycle, CloseCancelledInQueryUnloadLeavesTheFormOpen) {
    NameDialog dlg;
    dlg.KeepOpen = true;
    dlg.show();
    ASSERT_TRUE(dlg.isVisible());
    EXPECT_FALSE(dlg.close());
    EXPECT_TRUE(dlg.isVisible());
    EXPECT_TRUE(dlg.isLoaded());
    EXPECT_FALSE(dlg.unload());
    EXPECT_EQ(dlg.queryModes, vbFormCode);
    EXPECT_TRUE(dlg.isVisible());
    dlg.KeepOpen = false;
    EXPECT_TRUE(dlg.unload());
    EXPECT_FALSE(dlg.isVisible());
    // A new load runs Form_Load again.
    dlg.load();
    dlg.load();
    EXPECT_EQ(dlg.loads, 2);
}

TEST(FormKeyPreview, F1ReachesTheFormOnceAndNotTheControl) {
    NameDialog dlg;
    dlg.show();
    int helps = 0;
    QString id = QStringLiteral("unset");
    QObject::connect(&dlg, &Form::NeedHelp, [&](QString& i) {
        ++helps;
        id = i;
    });
    dlg.Text1->setFocus();
    QTest::keyClick(dlg.Text1, Qt::Key_F1);
    EXPECT_EQ(helps, 1);
    EXPECT_TRUE(id.isEmpty());
    EXPECT_TRUE(dlg.keys.empty());

    // Other keys are previewed once and still reach the control.
    QTest::keyClick(dlg.Text1, Qt::Key_A);
    EXPECT_EQ(dlg.keys, std::vector<int>{65});
    EXPECT_EQ(dlg.Text1->text(), QStringLiteral("a"));
    // A key the control ignores travels up to the form: still one preview (Ctrl is a key too).
    QTest::keyClick(dlg.Command1, Qt::Key_Left, Qt::ControlModifier);
    EXPECT_EQ(dlg.keys, (std::vector<int>{65, vbKeyControl, vbKeyLeft}));
    EXPECT_EQ(helps, 1);
}

TEST(FormKeyPreview, HandlerFailureIsReportedNotThrown) {
    class Failing : public Form {
      protected:
        void Form_KeyDown(int&, int) override { throw std::runtime_error("boom"); }
    } form;
    form.show();
    PromptScript script;
    script.answer(vbOK);
    QTest::keyClick(&form, Qt::Key_B);
    ASSERT_EQ(script.prompts().size(), 1u);
    EXPECT_TRUE(script.prompts()[0].text.endsWith(QStringLiteral("遇到异常。 \nboom")));
}

TEST(Twips, FifteenPerPixel) {
    EXPECT_EQ(twipsToPixels(90), 6);
    EXPECT_EQ(twipsToPixels(22), 1);
    EXPECT_EQ(twipsToPixels(7), 0);
    EXPECT_EQ(twipsToPixels(8), 1);
    EXPECT_EQ(pixelsToTwips(6), 90);
    Form f;
    f.setGeometryTwips(1500, 750, 4500, 3000);
    EXPECT_EQ(f.leftTwips(), 1500);
    EXPECT_EQ(f.topTwips(), 750);
    EXPECT_EQ(f.widthTwips(), 4500);
    EXPECT_EQ(f.heightTwips(), 3000);
}

}  // namespace
}  // namespace zelk

namespace zelk {
namespace {

TEST(FormKeyPreview, EmbeddedFormStillPreviewsItsKeys) {
    QWidget host;
    auto* form = new NameDialog;
    form->setParent(&host, Qt::Widget);
    host.show();
    form->show();
    ASSERT_TRUE(form->isLoaded());
    int helps = 0;
    QObject::connect(form, &Form::NeedHelp, [&](QString&) { ++helps; });
    QTest::keyClick(form->Text1, Qt::Key_F1);
    EXPECT_EQ(helps, 1);
}

TEST(FormLifeCycle, ShowingThroughQWidgetLoadsToo) {
    NameDialog dlg;
    static_cast<QWidget&>(dlg).show();
    EXPECT_TRUE(dlg.isLoaded());
    EXPECT_EQ(dlg.loads, 1);
}

}  // namespace
}  // namespace zelk

namespace zelk {
namespace {

TEST(FormHelp, OwnedDialogHelpReachesTheOwnerUnchanged) {
    NameDialog designer;
    NameDialog dialog;
    designer.relayNeedHelp(dialog);
    QStringList seen;
    QObject::connect(&designer, &Form::NeedHelp, [&](QString& id) { seen << id; });
    dialog.show();
    QTest::keyClick(dialog.Text1, Qt::Key_F1);
    EXPECT_EQ(seen, QStringList{QString()});
}

TEST(TrappedSlot, FailureInAConnectedHandlerIsReported) {
    QPushButton button;
    QObject::connect(&button, &QPushButton::clicked, Trapped(QStringLiteral("frm_zelk_ljgl"), [] {
        throw ZelkError(QString(), QStringLiteral("无效的界面号"));
    }));
    PromptScript script;
    script.answer(vbOK);
    button.click();
    ASSERT_EQ(script.prompts().size(), 1u);
    EXPECT_EQ(script.prompts()[0].text, QStringLiteral("frm_zelk_ljgl遇到异常。 \n无效的界面号"));
}

}  // namespace
}  // namespace zelk

namespace zelk {
namespace {

TEST(FormKeys, EnterPressesOnlyAButtonMadeDefault) {
    NameDialog dlg;
    int clicks = 0;
    QObject::connect(dlg.Command2, &QPushButton::clicked, [&] { ++clicks; });
    dlg.show();
    dlg.Text1->setFocus();
    QTest::keyClick(dlg.Text1, Qt::Key_Return);
    EXPECT_TRUE(dlg.Cancelled);
    EXPECT_TRUE(dlg.isLoaded());
    EXPECT_EQ(clicks, 0);

    NameDialog withDefault;
    withDefault.Command1->setDefault(true);
    withDefault.show();
    withDefault.Text1->setText(QStringLiteral("回车"));
    QTest::keyClick(withDefault.Text1, Qt::Key_Return);
    EXPECT_FALSE(withDefault.Cancelled);
    EXPECT_EQ(withDefault.ItemName, QStringLiteral("回车"));
}

}  // namespace
}  // namespace zelk
