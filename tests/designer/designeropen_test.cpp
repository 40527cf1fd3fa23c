// Opening both designer windows: what the window shows of a stored interface, the surface size
// rule, the background, an interface that cannot be read, and the start-up tips.

#include <QCoreApplication>
#include <QImage>
#include <QTemporaryDir>

#include "designerwindow_support.h"
#include "platform/promptscript.h"

namespace zelk {
namespace {

using windowtest::interfaceRow;

class OpenDesigner : public windowtest::DesignerWindowTest {};

TEST_P(OpenDesigner, ShowsTheInterfaceWithItsTreeAndSurface) {
    auto w = open();
    EXPECT_EQ(w->windowTitle(), QStringLiteral("用户界面设计程序 - ") + name());
    EXPECT_TRUE(w->InterfaceLoaded);
    EXPECT_FALSE(w->DesignModified);
    EXPECT_GT(w->ItemCount, 5);
    Node* root = w->fieldTreeRoot();
    ASSERT_NE(root, nullptr);
    EXPECT_EQ(root->text(0), QStringLiteral("数据栏目"));
    EXPECT_EQ(root->childCount(), w->ItemCount);
    // The demo interface stores 9600 by 7200 and the system's face colour.
    EXPECT_EQ(w->PictureTest->Width(), 9600);
    EXPECT_EQ(w->PictureTest->Height(), 7200);
    EXPECT_EQ(w->PictureContainer->Width(), 9600);
    EXPECT_EQ(w->PictureTest->BackColor(), -2147483633);
    // Design controls stand on the background layer; the handles above it, on the surface.
    EXPECT_EQ(w->itemControl(w->ItemTable[1])->parentWidget(), w->PictureTest);
    EXPECT_EQ(w->pic()[1].parentWidget(), w->PictureContainer);
}

TEST_P(OpenDesigner, StoredWidthWinsOnlyAbove1500EvenWhenItemsReachFurther) {
    updateRow(&INDTRecord::id13, "");
    const std::int32_t extent = open()->DesignAreaWidth;
    ASSERT_GT(extent, 2000);  // the demo items reach further than 2000 twips
    const std::pair<const char*, std::int32_t> cases[] = {
        {"1500", extent}, {"1501", 1501}, {"abc", extent}, {"2000", 2000}};
    for (const auto& [stored, width] : cases) {
        updateRow(&INDTRecord::id13, stored);
        EXPECT_EQ(open()->PictureTest->Width(), width) << stored;
    }
}

TEST_P(OpenDesigner, BackgroundColourAndPictureFromTheSystemSectionOrCommon) {
    QTemporaryDir folder;
    QImage image(40, 30, QImage::Format_RGB32);
    image.fill(Qt::red);
    ASSERT_TRUE(image.save(folder.filePath("bg.png")));
    updateRow(&INDTRecord::id12, "255");
    updateRow(&INDTRecord::id16, "bg.png");
    EXPECT_TRUE(open()->PictureTest->Picture().isNull());  // the default folder has no picture
    const std::pair<QString, QString> places[] = {
        {"COMMON", folder.path()}, {"COMMON", folder.path() + "/"}, {demo::kSystem, folder.path()}};
    for (const auto& [section, path] : places) {
        windowtest::clearSettings();
        SaveSetting(kSettingsApplication, section, "imagepath", path);
        auto w = open();
        EXPECT_EQ(w->PictureTest->BackColor(), 255);
        EXPECT_EQ(w->PictureTest->Picture().size(), QSize(40, 30)) << section.toStdString();
    }
}

TEST_P(OpenDesigner, AnUnreadableInterfaceIsReportedAndNothingCanBeSaved) {
    struct Case {
        std::int32_t number;  // -1: the demo interface with its item table dropped
        QString text;         // empty: no message
        int style;
    };
    const Case cases[] = {
        {0, {}, 0},
        {9999, "系统无法读取指定界面:\n界面定义数据可能被破坏，请检查该界面定义！", vbInformation},
        {-1, "界面数据查询失败：\n条目数据信息无法读取，请检查界面" + name() + "稍后再试！",
         vbCritical}};
    for (const Case& c : cases) {
        if (c.number < 0) {
            ASSERT_GE(ExecSQL(hdbc(), "drop table " + windowtest::itemTable(GetParam())), 0);
        }
        PromptScript script;
        if (!c.text.isEmpty()) script.answer(vbOK);
        auto w = open(c.number < 0 ? fid : c.number);
        if (c.number == 0) w->load();  // opens empty, as a new design
        if (c.text.isEmpty()) {
            EXPECT_TRUE(script.prompts().empty());
        } else {
            ASSERT_EQ(script.prompts().size(), 1u);
            EXPECT_EQ(script.prompts()[0].text, c.text);
            EXPECT_EQ(script.prompts()[0].title, QStringLiteral("系统提示"));
            EXPECT_EQ(script.prompts()[0].style, c.style);
        }
        EXPECT_FALSE(w->InterfaceLoaded);
        for (const char* key : {"save", "field", "color"}) {
            EXPECT_FALSE(w->Toolbar1->Button(key)->Enabled()) << key;
        }
        // Modified or not, it closes without asking and writes nothing.
        const QByteArray before = toWire(interfaceRow(hdbc(), fid));
        w->DesignModified = true;
        w->Toolbar1_ButtonClick("save");
        EXPECT_TRUE(w->unload());
        EXPECT_EQ(toWire(interfaceRow(hdbc(), fid)), before);
        EXPECT_EQ(script.prompts().size(), c.text.isEmpty() ? 0u : 1u);
    }
}

TEST_P(OpenDesigner, EachOpeningShowsTwoTipsAndAdvancesTheCounterByTwo) {
    struct TipCase {
        const char* stored;  // nullptr: no counter yet
        int shown;
        const char* after;
    };
    const TipCase cases[] = {
        {nullptr, 1, "2"}, {"4", 0, "1"}, {"5", 1, "2"}, {"-3", 1, "2"}, {"2.5", 1, "2"}};
    const QString tips[] = {
        "操作提示：\n  界面支持多选功能，按住SHIFT不放，再用鼠标左键单击控件，即可选择多个控件",
        "操作提示：\n  多选功能下，可以使选择的控件左对齐，右对齐，居中等操作"};
    for (const TipCase& c : cases) {
        windowtest::clearSettings();
        if (c.stored) SaveSetting(kSettingsApplication, "COMMON", "界面提示ID", c.stored);
        auto w = open();
        EXPECT_EQ(w->statusText(), tips[c.shown]) << (c.stored ? c.stored : "none");
        EXPECT_EQ(GetSetting(kSettingsApplication, "COMMON", "界面提示ID"), c.after);
    }
}

TEST_P(OpenDesigner, RendersMoreThanAFewColoursAndTheTreeKeepsItsWidth) {
    auto w = open();
    w->resize(1000, 700);
    w->show();
    QCoreApplication::processEvents();
    const QImage picture = w->grab().toImage();
    QSet<QRgb> colours;
    for (int y = 0; y < picture.height(); y += 3)
        for (int x = 0; x < picture.width(); x += 3) colours.insert(picture.pixel(x, y));
    EXPECT_GT(colours.size(), 20);
    const int tree = w->TreeView1->width();
    w->resize(1300, 700);
    QCoreApplication::processEvents();
    EXPECT_EQ(w->TreeView1->width(), tree);
    w->forceUnload();
}

ZELK_ON_BOTH_DESIGNERS(OpenDesigner);

}  // namespace
}  // namespace zelk
