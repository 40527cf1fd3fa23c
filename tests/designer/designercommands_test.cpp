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

using windowtest::DesignerWindowTest;

class DesignerCommands : public DesignerWindowTest {
  protected:
    // The first element of a control array, made current whether shown or not.
    DesignControl* makeCurrent(DesignerBase& w, const QString& arrayName) {
        for (int kind = 1; kind <= 13; ++kind) {
            if (designArrayName(static_cast<DesignArray>(kind)) != arrayName) continue;
            DesignControl* control = w.itemControl(kind, 1);
            w.currentControlState().setCurrentControl(control);
            return control;
        }
        return nullptr;
    }
};

TEST_P(DesignerCommands, EveryHeldDialogsHelpRequestReachesTheWindowOnce) {
    const bool entry = GetParam() == DesignerKind::ItemEntry;
    // Array of the current control -> the dialog its property command holds.
    std::vector<std::pair<QString, QString>> dialogs = {
        {"ComboBoxArray", "frm_combo_prop"},  {"ChildTableArray", "frm_ctable_prop"},
        {"DatePickerArray", "frm_date_prop"}, {"LabelArray", "frm_label_prop"},
        {"MemoBoxArray", "frm_memo_prop"},    {"MMXArray", "frm_mmx_prop"},
        {"TextBoxArray", "frm_text_prop"}};
    dialogs.push_back({"CheckBoxArray", "frm_check_prop"});
    if (entry) {
        dialogs.push_back({"ListBoxArray", "frm_list_prop"});
        dialogs.push_back({"PostilArray", "frm_postil_prop"});
    }
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

TEST_P(DesignerCommands, ShapesFramesLinesAndSearchListBoxesOpenNothing) {
    auto w = open();
    QStringList none = {"ShapeArray", "FrameArray", "LineArray"};
    if (GetParam() == DesignerKind::ItemSearch) none << "ListBoxArray";
    PromptScript script;  // any dialog would be unexpected
    for (const QString& array : none) {
        ASSERT_NE(makeCurrent(*w, array), nullptr) << array.toStdString();
        w->mnu_prop_Click();
    }
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
    const std::int32_t colour = w->PictureTest->BackColor();

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
    std::int32_t expectedColour = colour;
    for (const Case& c : cases) {
        PromptScript script;
        script.onModal<frm_zelk_jmsx>([&](frm_zelk_jmsx& d) {
            EXPECT_EQ(d.InterfaceId, fid);
            EXPECT_EQ(TrimFixedField(d.SystemName), demo::kSystem);
            updateRow(&INDTRecord::id12, c.colourText);
            updateRow(&INDTRecord::id16, c.picture);
            if (c.deleteRow) sysINDTDeleteData(hdbc(), fid);
            if (c.stored) d.EditCancelled = false;
            d.unload();
        });
        const QByteArray rowBefore = toWire(w->InterfaceRow);
        w->Toolbar1_ButtonClick("color");
        if (c.colourAfter) expectedColour = c.colourAfter;
        EXPECT_EQ(w->PictureTest->BackColor(), expectedColour) << c.what;
        EXPECT_EQ(!w->PictureTest->Picture().isNull(), c.pictureAfter) << c.what;
        if (c.deleteRow) {
            EXPECT_EQ(toWire(w->InterfaceRow), rowBefore) << c.what;
        }
        EXPECT_EQ(w->jmsx, nullptr);
    }
}

template <class Row>
std::int32_t insertCopyOfFirstItem(std::int32_t hdbc, std::int32_t fid, const char* name) {
    auto rows = testrows::readRows<Row>(hdbc, fid);
    if (rows.empty()) return 0;
    Row row = rows.front();
    testrows::put(row, {{3, name}, {6, "2"}});
    if constexpr (std::is_same_v<Row, ISITRecord>)
        return sysISITInsertRecord(hdbc, row);
    else
        return sysIJSTInsertRecord(hdbc, row);
}

TEST_P(DesignerCommands, FieldLoadsTheNewRowAndMarksTheDesignModified) {
    gSystemName = demo::kSystem;
    gMainTable = demo::kMainTable;
    auto w = open();
    const std::int32_t before = w->ItemCount;
    PromptScript script;
    script.onModal<frm_field_new>([&](frm_field_new& d) {
        EXPECT_EQ(d.InterfaceId, fid);
        EXPECT_EQ(d.InterfaceKind, GetParam() == DesignerKind::ItemEntry ? 1 : 3);
        EXPECT_EQ(d.SystemName, demo::kSystem);
        EXPECT_EQ(d.MainTable, demo::kMainTable);
        d.NewItemId = GetParam() == DesignerKind::ItemEntry
                          ? insertCopyOfFirstItem<ISITRecord>(hdbc(), fid, "新栏目")
                          : insertCopyOfFirstItem<IJSTRecord>(hdbc(), fid, "新栏目");
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
            const int item = node->Tag().toInt();
            if (w->ItemTable[item].ControlKind == kind && w->itemControl(w->ItemTable[item]) &&
                w->itemControl(w->ItemTable[item])->Visible())
                return node;
        }
        return nullptr;
    };
    Node* label = nodeOfKind(kKindLabel);
    ASSERT_NE(label, nullptr);
    w->TreeView1_NodeClick(label);
    DesignControl* current = w->CurrentControl();
    ASSERT_NE(current, nullptr);
    EXPECT_EQ(current->Name(), QStringLiteral("LabelArray"));
    EXPECT_TRUE(w->statusText().startsWith(QStringLiteral("左上角坐标(")));

    Node* childTable = nodeOfKind(kKindChildTable);
    ASSERT_NE(childTable, nullptr);
    w->TreeView1_NodeClick(childTable);
    EXPECT_EQ(w->CurrentControl(), current);
    w->TreeView1_NodeClick(root);
    EXPECT_EQ(w->CurrentControl(), current);
}

ZELK_ON_BOTH_DESIGNERS(DesignerCommands);

}  // namespace
}  // namespace zelk
