// The commands of both designers: help requests of every held dialog, the interface properties
// ("color"), adding a field ("field") and clicks in the field tree.

#include <QImage>
#include <QTemporaryDir>

#include "component/fixedfield.h"
#include "designer_rows.h"
#include "designerwindow_support.h"
#include "platform/promptscript.h"
#include "propdialogs/frm_field_new.h"
#include "propdialogs/frm_zelk_jmsx.h"

namespace zelk {
namespace {

using windowtest::makeCurrent;

class DesignerCommands : public windowtest::DesignerWindowTest {};

// Each item kind's property command opens its own dialog class, whose help request reaches the
// window once; so does the interface properties dialog's.
TEST_P(DesignerCommands, EveryHeldDialogsHelpRequestReachesTheWindowOnce) {
    std::vector<std::pair<QString, QString>> dialogs = {
        {"ComboBoxArray", "frm_combo_prop"},  {"ChildTableArray", "frm_ctable_prop"},
        {"DatePickerArray", "frm_date_prop"}, {"LabelArray", "frm_label_prop"},
        {"MemoBoxArray", "frm_memo_prop"},    {"MMXArray", "frm_mmx_prop"},
        {"TextBoxArray", "frm_text_prop"},    {"CheckBoxArray", "frm_check_prop"}};
    if (GetParam() == DesignerKind::ItemEntry)
        dialogs.insert(dialogs.end(),
                       {{"ListBoxArray", "frm_list_prop"}, {"PostilArray", "frm_postil_prop"}});
    auto w = open();
    QStringList received;
    QObject::connect(w.get(), &Form::NeedHelp, [&](QString& id) { received << id; });
    for (const auto& [array, dialog] : dialogs) {
        ASSERT_NE(makeCurrent(*w, array), nullptr) << array.toStdString();
        received.clear();
        PromptScript script;
        script.onModal([&, dialog = dialog](Form& shown) {
            EXPECT_EQ(QString::fromLatin1(shown.metaObject()->className()), "zelk::" + dialog);
            QString id = "help " + dialog;
            emit shown.NeedHelp(id);
            shown.unload();
        });
        w->Toolbar1_ButtonClick("prop");
        EXPECT_EQ(received, QStringList({"help " + dialog})) << array.toStdString();
    }
    // The interface properties dialog too.
    received.clear();
    PromptScript script;
    script.onModal([](Form& shown) {
        QString id;
        emit shown.NeedHelp(id);
        shown.unload();
    });
    w->Toolbar1_ButtonClick("color");
    EXPECT_EQ(received, QStringList({QString()}));
}

TEST_P(DesignerCommands, ShapesFramesLinesSearchListBoxesAndNoCurrentControlOpenNothing) {
    auto w = open();
    QStringList none = {"ShapeArray", "FrameArray", "LineArray"};
    if (GetParam() == DesignerKind::ItemSearch) none << "ListBoxArray";
    PromptScript script;  // any dialog would be unexpected
    for (const QString& array : none) {
        ASSERT_NE(makeCurrent(*w, array), nullptr) << array.toStdString();
        w->mnu_prop_Click();
    }
    w->currentControlState().setCurrentControl(nullptr);
    w->mnu_prop_Click();
    w->mnu_label_prop_Click();
    EXPECT_TRUE(script.prompts().empty());
}

TEST_P(DesignerCommands, InterfacePropertiesApplyColourAndPictureOnlyWhenStored) {
    QTemporaryDir folder;
    QImage image(20, 20, QImage::Format_RGB32);
    image.fill(Qt::blue);
    ASSERT_TRUE(image.save(folder.filePath("p.png")));
    SaveSetting(kSettingsApplication, demo::kSystem, "imagepath", folder.path());
    updateRow(&INDTRecord::id16, "p.png");
    auto w = open();
    ASSERT_FALSE(w->PictureTest->Picture().isNull());
    struct Case {
        const char* what;
        const char* colourText;
        const char* picture;
        bool stored;
        bool deleteRow;
        std::int32_t colourAfter;  // 0: unchanged
        bool pictureAfter;
    };
    const Case cases[] = {
        {"cancelled", "255", "p.png", false, false, 0, true},
        {"applied", "255", "p.png", true, false, 255, true},
        {"empty file name", "65280", "", true, false, 65280, false},
        {"row deleted meanwhile", "16711680", "p.png", true, true, 0, false},
    };
    std::int32_t expectedColour = w->PictureTest->BackColor();
    for (const Case& c : cases) {
        PromptScript script;
        script.onModal<frm_zelk_jmsx>([&](frm_zelk_jmsx& d) {
            EXPECT_EQ(d.InterfaceId, fid);
            EXPECT_EQ(TrimFixedField(d.SystemName), demo::kSystem);
            updateRow(&INDTRecord::id12, c.colourText);
            updateRow(&INDTRecord::id16, c.picture);
            if (c.deleteRow) sysINDTDeleteData(hdbc(), fid);
            d.EditCancelled = !c.stored;
            d.unload();
        });
        const QByteArray rowBefore = toWire(w->InterfaceRow);
        w->Toolbar1_ButtonClick("color");
        if (c.colourAfter) expectedColour = c.colourAfter;
        EXPECT_EQ(w->PictureTest->BackColor(), expectedColour) << c.what;
        EXPECT_EQ(!w->PictureTest->Picture().isNull(), c.pictureAfter) << c.what;
        if (c.deleteRow) {
            EXPECT_EQ(toWire(w->InterfaceRow), rowBefore);
        }
        EXPECT_EQ(w->jmsx, nullptr);
    }
}

TEST_P(DesignerCommands, FieldLoadsTheNewRowAndMarksTheDesignModified) {
    gSystemName = demo::kSystem;
    gMainTable = demo::kMainTable;
    const bool entry = GetParam() == DesignerKind::ItemEntry;
    auto w = open();
    const std::int32_t before = w->ItemCount;
    PromptScript script;
    script.onModal<frm_field_new>([&](frm_field_new& d) {
        EXPECT_EQ(d.InterfaceId, fid);
        EXPECT_EQ(d.InterfaceKind, entry ? 1 : 3);
        EXPECT_EQ(d.MainTable, demo::kMainTable);
        // A copy of the first item row under a new name.
        const auto copy = [&]<class Row>(Row row) {
            testrows::put(row, {{3, "新栏目"}, {6, "2"}});
            if constexpr (std::is_same_v<Row, ISITRecord>)
                return sysISITInsertRecord(hdbc(), row);
            else
                return sysIJSTInsertRecord(hdbc(), row);
        };
        d.NewItemId = entry ? copy(testrows::readRows<ISITRecord>(hdbc(), fid).front())
                            : copy(testrows::readRows<IJSTRecord>(hdbc(), fid).front());
        d.Cancelled = d.NewItemId <= 0;
        d.unload();
    });
    w->Toolbar1_ButtonClick("field");
    EXPECT_EQ(w->ItemCount, before + 1);
    EXPECT_TRUE(w->DesignModified);
    Node* root = w->fieldTreeRoot();
    EXPECT_EQ(root->child(root->childCount() - 1)->text(0), QStringLiteral("新栏目"));
    // Closed without adding: nothing loaded, nothing marked.
    w->DesignModified = false;
    script.onModal<frm_field_new>([](frm_field_new& d) { d.unload(); });
    w->Toolbar1_ButtonClick("field");
    EXPECT_EQ(w->ItemCount, before + 1);
    EXPECT_FALSE(w->DesignModified);
}

TEST_P(DesignerCommands, TreeClicksSelectKindsOneToElevenOnly) {
    auto w = open();
    Node* root = w->fieldTreeRoot();
    const auto nodeOfKind = [&](std::int32_t kind) -> Node* {
        for (int i = 0; i < root->childCount(); ++i) {
            auto* node = static_cast<Node*>(root->child(i));
            const DesignItem& item = w->ItemTable[node->Tag().toInt()];
            if (item.ControlKind == kind && w->itemControl(item) && w->itemControl(item)->Visible())
                return node;
        }
        return nullptr;
    };
    ASSERT_NE(nodeOfKind(kKindLabel), nullptr);
    ASSERT_NE(nodeOfKind(kKindChildTable), nullptr);
    w->TreeView1_NodeClick(nodeOfKind(kKindLabel));
    DesignControl* current = w->CurrentControl();
    ASSERT_NE(current, nullptr);
    EXPECT_EQ(current->Name(), QStringLiteral("LabelArray"));
    EXPECT_TRUE(w->statusText().startsWith(QStringLiteral("左上角坐标(")));
    for (Node* ignored : {nodeOfKind(kKindChildTable), root}) {
        w->TreeView1_NodeClick(ignored);
        EXPECT_EQ(w->CurrentControl(), current);
    }
}

ZELK_ON_BOTH_DESIGNERS(DesignerCommands);

}  // namespace
}  // namespace zelk
