#include <gtest/gtest.h>

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QVBoxLayout>

#include "platform/errors.h"
#include "platform/form.h"
#include "platform/promptscript.h"

namespace zelk {
namespace {

// A small dialog as the windows write them: public variables, Cancelled, OK and Cancel.
class NameDialog : public Form {
  public:
    NameDialog() {
        auto* layout = new QVBoxLayout(this);
        Text1 = new QLineEdit(this);
        Command1 = new QPushButton("确定", this);
        Command2 = new QPushButton("取消", this);
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

TEST(FormModal, ScriptedConfirmReturnsTheValuesAndTheCloseBoxLeavesCancelled) {
    NameDialog dlg;
    dlg.ItemName = "旧名";
    PromptScript script;
    script.onModal<NameDialog>([](NameDialog& d) {
        EXPECT_TRUE(d.isVisible());
        EXPECT_TRUE(d.isShownModal());
        EXPECT_EQ(d.Text1->text(), "旧名");
        d.Text1->setText("新名");
        QTest::mouseClick(d.Command1, Qt::LeftButton);
    });
    dlg.showModal();
    EXPECT_FALSE(dlg.Cancelled);
    EXPECT_EQ(dlg.ItemName, "新名");
    EXPECT_FALSE(dlg.isLoaded());
    EXPECT_FALSE(dlg.isVisible());
    EXPECT_EQ(dlg.loads, 1);
    ASSERT_EQ(script.prompts().size(), 1u);
    EXPECT_EQ(script.prompts()[0].kind, PromptKind::ModalForm);

    NameDialog closed;
    script.onModal([](Form& f) { f.close(); });
    closed.showModal();
    EXPECT_TRUE(closed.Cancelled);
    EXPECT_EQ(closed.queryModes, vbFormControlMenu);
    EXPECT_FALSE(closed.isLoaded());
}

TEST(FormLifeCycle, CloseCancelledInQueryUnloadLeavesTheFormOpen) {
    NameDialog dlg;
    dlg.KeepOpen = true;
    static_cast<QWidget&>(dlg).show();  // showing through QWidget loads too
    ASSERT_TRUE(dlg.isVisible());
    EXPECT_EQ(dlg.loads, 1);
    EXPECT_FALSE(dlg.close());
    EXPECT_TRUE(dlg.isVisible());
    EXPECT_TRUE(dlg.isLoaded());
    EXPECT_FALSE(dlg.unload());
    EXPECT_EQ(dlg.queryModes, vbFormCode);
    EXPECT_TRUE(dlg.isVisible());
    dlg.KeepOpen = false;
    EXPECT_TRUE(dlg.unload());
    EXPECT_FALSE(dlg.isVisible());
    // A new load runs Form_Load again, once.
    dlg.load();
    dlg.load();
    EXPECT_EQ(dlg.loads, 2);
}

TEST(FormKeyPreview, F1ReachesTheFormOnceAndNotTheControl) {
    NameDialog dlg;
    dlg.show();
    int helps = 0;
    QString id = "unset";
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
    EXPECT_EQ(dlg.Text1->text(), "a");
    // A key the control ignores travels up to the form: still one preview (Ctrl is a key too).
    QTest::keyClick(dlg.Command1, Qt::Key_Left, Qt::ControlModifier);
    EXPECT_EQ(dlg.keys, (std::vector<int>{65, vbKeyControl, vbKeyLeft}));
    EXPECT_EQ(helps, 1);
}

TEST(FormKeyPreview, EmbeddedFormAndOwnedDialogStillRaiseHelp) {
    QWidget host;
    auto* embedded = new NameDialog;
    embedded->setParent(&host, Qt::Widget);
    host.show();
    embedded->show();
    ASSERT_TRUE(embedded->isLoaded());
    NameDialog dialog;
    embedded->relayNeedHelp(dialog);  // an owned dialog's request reaches the owner unchanged
    QStringList seen;
    QObject::connect(embedded, &Form::NeedHelp, [&](QString& id) { seen << id; });
    QTest::keyClick(embedded->Text1, Qt::Key_F1);
    EXPECT_EQ(seen, QStringList{QString()});
    dialog.show();
    QTest::keyClick(dialog.Text1, Qt::Key_F1);
    EXPECT_EQ(seen, QStringList({QString(), QString()}));
}

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
    withDefault.Text1->setText("回车");
    QTest::keyClick(withDefault.Text1, Qt::Key_Return);
    EXPECT_FALSE(withDefault.Cancelled);
    EXPECT_EQ(withDefault.ItemName, "回车");
}

// A failing key handler or connected slot is reported through the message box, never thrown.
TEST(Handlers, FailuresAreReportedNotThrown) {
    class Failing : public Form {
      protected:
        void Form_KeyDown(int&, int) override { throw std::runtime_error("boom"); }
    } form;
    form.show();
    QPushButton button;
    QObject::connect(&button, &QPushButton::clicked,
                     Trapped("frm_zelk_ljgl", [] { throw ZelkError(QString(), "无效的界面号"); }));
    PromptScript script;
    script.answer(vbOK).answer(vbOK);
    QTest::keyClick(&form, Qt::Key_B);
    button.click();
    ASSERT_EQ(script.prompts().size(), 2u);
    EXPECT_TRUE(script.prompts()[0].text.endsWith("遇到异常。 \nboom"));
    EXPECT_EQ(script.prompts()[1].text, "frm_zelk_ljgl遇到异常。 \n无效的界面号");
}

}  // namespace
}  // namespace zelk
