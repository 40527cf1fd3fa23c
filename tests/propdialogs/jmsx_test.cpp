// The interface properties dialog on a real database: what OK stores, what it leaves alone, the
// sign-off switch, colours, reports and the background picture.

#include <gtest/gtest.h>

#include <QDir>
#include <QImage>
#include <QTemporaryDir>

#include "component/fixedfield.h"
#include "dataaccess/demodata.h"
#include "dataaccess/dravix.h"
#include "platform/settings.h"
#include "propdialogs/frm_zelk_jmsx.h"
#include "support/expectprompt.h"
#include "support/testdb.h"

namespace zelk {
namespace {

TEST(InterfaceName, LongerThanSixtyIsShortenedWithDots) {
    const QString sixty(60, QChar(u'名'));
    EXPECT_EQ(shortenedInterfaceName(sixty), sixty);
    EXPECT_EQ(shortenedInterfaceName(sixty + "x"), QString(57, QChar(u'名')) + "...");
}

class JmsxTest : public test::DemoBackendTest {
  protected:
    INDTRecord row() {
        INDTRecord r;
        EXPECT_GE(sysINDTGetDataByNo(hdbc(), r, demo_.itemEntry), 1);
        return r;
    }
    void store(const std::function<void(INDTRecord&)>& change) {
        INDTRecord r = row();
        change(r);
        ASSERT_GE(sysINDTUpdateRecord(hdbc(), r), 0);
    }
    // An 8 x 8 picture of one colour.
    static void picture(const QString& path, Qt::GlobalColor color) {
        QImage image(8, 8, QImage::Format_RGB32);
        image.fill(color);
        ASSERT_TRUE(image.save(path, "JPG"));
    }
    void open(frm_zelk_jmsx& d) { d.init(hdbc(), demo_.itemEntry, demo::kSystem); }
    void ok(frm_zelk_jmsx& d) {
        PromptScript script;
        d.Command1->click();
        EXPECT_TRUE(script.prompts().empty());
        EXPECT_FALSE(d.EditCancelled);
    }
};

TEST_P(JmsxTest, UneditedOkChangesNothing) {
    struct Case {
        const char* name;
        const char* fill;
        const char* report;
        const char* type;
    } cases[] = {{"NoFillAndUnknownReport", "7", "不在列表的报表", "K1"},
                 {"ListedReportKeepsItsStoredType", "2", "收文登记簿", "OTHER"},
                 {"Empty", "", "", ""}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        store([&](INDTRecord& r) {
            setField(r.id11, "255");
            setField(r.id12, "-2147483643");
            setField(r.id15, "1");
            setField(r.id17, QString::fromUtf8(c.fill));
            setField(r.id19, QString::fromUtf8(c.report));
            setField(r.id20, QString::fromUtf8(c.type));
        });
        const QByteArray before = toWire(row());
        frm_zelk_jmsx d;
        open(d);
        ok(d);
        EXPECT_EQ(toWire(row()), before);
    }
}

TEST_P(JmsxTest, OkStoresTheEditsCutToTheirColumns) {
    frm_zelk_jmsx d;
    open(d);
    d.Text4->setText(QString(61, QChar(u'名')));
    d.Text7->setText(QStringLiteral("1234567890AB"));
    d.Text8->setText(QStringLiteral("特别用途标志的文本"));
    d.Combo4->setCurrentIndex(3);
    d.Combo2->setCurrentIndex(1);
    ok(d);
    const INDTRecord r = row();
    EXPECT_EQ(fieldText(r.id03), QString(57, QChar(u'名')) + "...");
    EXPECT_EQ(fieldText(r.id06), QStringLiteral("1234567890"));
    EXPECT_EQ(fieldText(r.id07), QStringLiteral("特别用途标志的文本"));
    EXPECT_EQ(fieldText(r.id17), QStringLiteral("3"));
    EXPECT_EQ(fieldText(r.id19), d.Combo2->itemText(1));
    EXPECT_EQ(fieldText(r.id20), d.Combo3->itemText(1));
    EXPECT_FALSE(fieldText(r.id20).isEmpty());

    frm_zelk_jmsx typed;
    open(typed);
    typed.Combo2->setEditText(QStringLiteral("手写的报表名"));
    ok(typed);
    EXPECT_EQ(fieldText(row().id19), QStringLiteral("手写的报表名"));
    EXPECT_EQ(fieldText(row().id20), QString());
}

// A designer's save or a manager's change made while the dialog is open stays: the dialog writes
// what the user changed and raises the version from the stored one.
TEST_P(JmsxTest, OkRaisesTheStoredVersionAndKeepsChangesMadeMeanwhile) {
    store([](INDTRecord& r) { setField(r.id08, "7"); });
    frm_zelk_jmsx d;
    open(d);
    store([](INDTRecord& r) {
        setField(r.id08, "9");
        setField(r.id04, "别处改过的说明");
        setField(r.id13, "12000");
    });
    d.Text4->setText(QStringLiteral("新名称"));
    ok(d);
    const INDTRecord r = row();
    EXPECT_EQ(fieldText(r.id03), QStringLiteral("新名称"));
    EXPECT_EQ(fieldText(r.id04), QStringLiteral("别处改过的说明"));
    EXPECT_EQ(fieldText(r.id13), QStringLiteral("12000"));
    EXPECT_EQ(fieldText(r.id08), QStringLiteral("10"));
}

TEST_P(JmsxTest, SignOffSwitchAndColours) {
    store([](INDTRecord& r) {
        setField(r.id07, "签批单");
        setField(r.id11, "不是颜色");
    });
    frm_zelk_jmsx d;
    open(d);
    EXPECT_TRUE(d.Check2->isChecked());
    EXPECT_FALSE(d.Text8->isEnabled());
    EXPECT_FALSE(d.Text10->isHidden());
    d.Check2->click();
    EXPECT_EQ(d.Text8->text(), QString());
    EXPECT_TRUE(d.Text8->isEnabled());
    EXPECT_TRUE(d.Text10->isHidden());
    {
        PromptScript script;
        script.chooseColor(QColor(0x10, 0x20, 0x30)).cancelDialog();
        d.Command6->click();
        d.Command5->click();  // cancelled: the colour stays
    }
    ok(d);
    const INDTRecord r = row();
    EXPECT_EQ(fieldText(r.id07), QString());
    EXPECT_EQ(fieldText(r.id12), QString::number(0x302010));
    EXPECT_EQ(fieldText(r.id11), QStringLiteral("-2147483643"));  // the design colour
}

TEST_P(JmsxTest, RowNotFoundOffersNoOkAndRefusedSaveSaysSo) {
    store([](INDTRecord& r) { setField(r.id05, "7"); });
    frm_zelk_jmsx unknownKind;
    open(unknownKind);
    EXPECT_EQ(unknownKind.Combo1->currentIndex(), -1);
    EXPECT_EQ(unknownKind.Text6->text(), QStringLiteral("7"));

    frm_zelk_jmsx missing;
    missing.init(hdbc(), 999999, demo::kSystem);
    EXPECT_FALSE(missing.Command1->isEnabled());
    EXPECT_EQ(missing.Combo2->count(), 3);  // the reports are listed all the same

    frm_zelk_jmsx d;
    open(d);
    ASSERT_EQ(sysINDTDeleteData(hdbc(), demo_.itemEntry), 1);
    PromptScript script;
    script.answer(vbOK);
    d.Command1->click();
    test::expectPrompt(script, QStringLiteral("不能保存界面!"), QStringLiteral("保存数据出错"), 80);
    EXPECT_TRUE(d.EditCancelled);
}

TEST_P(JmsxTest, PictureIsCopiedIntoTheImageFolderUnderAFreeName) {
    QTemporaryDir temp;
    const QString images = temp.filePath("images");
    QDir().mkpath(temp.filePath("src"));
    ASSERT_TRUE(SaveSetting(kSettingsApplication, "COMMON", "imagepath", images));
    frm_zelk_jmsx d;
    open(d);
    const QString chosen = temp.filePath("src/bg.jpg");
    picture(chosen, Qt::red);
    const auto choose = [&](const QString& path) {
        PromptScript script;
        script.chooseFile(path);
        d.Command7->click();
    };
    choose(chosen);                                    // the folder is made, the picture copied
    EXPECT_EQ(d.CommonDialog1.InitDir, images + "/");  // the dialog started among the pictures
    EXPECT_EQ(d.Text12->text(), QStringLiteral("bg.jpg"));
    EXPECT_TRUE(QFileInfo::exists(images + "/bg.jpg"));
    EXPECT_FALSE(d.Image2->isHidden());
    EXPECT_EQ(GetSetting(kSettingsApplication, demo::kSystem, "imagepath"), images + "/");

    picture(chosen, Qt::blue);  // another picture of the same name
    choose(chosen);
    EXPECT_EQ(d.Text12->text(), QStringLiteral("bg(1).jpg"));
    choose(chosen);  // the same picture again: the copy is reused
    EXPECT_EQ(d.Text12->text(), QStringLiteral("bg(1).jpg"));
    EXPECT_FALSE(QFileInfo::exists(images + "/bg(2).jpg"));
    choose(images + "/bg.jpg");  // from the folder itself
    EXPECT_EQ(d.Text12->text(), QStringLiteral("bg.jpg"));
    // A name with "%1" in it is a name, not a pattern.
    const QString percent = temp.filePath("src/%1.jpg");
    picture(percent, Qt::red);
    choose(percent);
    picture(percent, Qt::blue);
    choose(percent);
    EXPECT_EQ(d.Text12->text(), QStringLiteral("%1(1).jpg"));
    EXPECT_TRUE(QFileInfo::exists(images + "/%1(1).jpg"));
    choose(images + "/bg.jpg");
    {
        PromptScript script;
        script.cancelDialog();
        d.Command7->click();
    }
    EXPECT_EQ(d.Text12->text(), QStringLiteral("bg.jpg"));
    EXPECT_TRUE(d.Image2->isHidden());
    ok(d);
    EXPECT_EQ(fieldText(row().id16), QStringLiteral("bg.jpg"));
}

// Who may only look writes nothing, whichever button is used: no row, no file, no setting.
TEST_P(JmsxTest, ViewOnlyWritesNothing) {
    QTemporaryDir temp;
    const QString images = temp.filePath("images");
    ASSERT_TRUE(SaveSetting(kSettingsApplication, "COMMON", "imagepath", images));
    ASSERT_TRUE(SaveSetting(kSettingsApplication, demo::kSystem, "imagepath", "mine"));
    const QString chosen = temp.filePath("bg.jpg");
    picture(chosen, Qt::red);
    const INDTRecord before = row();
    frm_zelk_jmsx d;
    open(d);
    d.SetViewOnly(true);
    EXPECT_FALSE(d.Command1->isEnabled());
    EXPECT_FALSE(d.Command7->isEnabled());
    d.Text4->setText("改过的名称");
    PromptScript script;  // neither a file dialog nor a message may come
    d.Command7_Click();
    d.Command1_Click();
    EXPECT_TRUE(script.prompts().empty());
    EXPECT_FALSE(QFileInfo::exists(images));
    EXPECT_EQ(GetSetting(kSettingsApplication, demo::kSystem, "imagepath"), "mine");
    EXPECT_EQ(toWire(row()), toWire(before));
    EXPECT_TRUE(d.EditCancelled);
}

ZELK_ON_BOTH_BACKENDS(JmsxTest);

}  // namespace
}  // namespace zelk
