// Where the item-entry designer reads and writes its rows differently, and the faults its writers
// no longer have: names, prompts, formats and unknown kinds survive a save and reload.

#include <gtest/gtest.h>

#include "designer_rows.h"

using namespace zelk;
using namespace zelk::testrows;

namespace {

class EntryDesigner : public ::testing::Test {
  protected:
    void SetUp() override {
        d.InterfaceRow.id00 = kInterface;
        d.InitFieldTree();
    }
    ISITRecord written(std::int32_t itemIndex) const { return testrows::written(d, itemIndex); }

    // The item a written row gives when it is loaded again.
    DesignItem reloaded(const ISITRecord& row) {
        again.InterfaceRow.id00 = kInterface;
        again.LoadItemControl(row);
        EXPECT_EQ(again.ItemCount, 1);
        return again.ItemTable[1];
    }

    TestFonts fonts;
    frm_zelk_jmsj d;
    frm_zelk_jmsj again;
};

// ---- Mended: an item without a caption label keeps its name ---------------------------------

class UncaptionedItem : public EntryDesigner, public ::testing::WithParamInterface<std::string> {};

TEST_P(UncaptionedItem, NameAndCaptionFlagAreWrittenAndReloaded) {
    ISITRecord row = storedRow<ISITRecord>(GetParam());
    T(row.ii05, "0");
    d.LoadItemControl(row);
    ASSERT_EQ(d.ItemCount, 1);
    ASSERT_EQ(d.ItemTable[1].CaptionIndex, 0);
    const ISITRecord out = written(1);
    EXPECT_EQ(fieldText(out.ii03), fieldText(row.ii03));
    EXPECT_EQ(fieldText(out.ii05), "0");
    EXPECT_EQ(reloaded(out).ItemName, fieldText(row.ii03));
}

INSTANTIATE_TEST_SUITE_P(InputKinds, UncaptionedItem,
                         ::testing::Values("captionedlabel", "textbox", "captionedcheckbox",
                                           "combobox", "datepicker", "memobox", "mmx", "childtable",
                                           "postil"),
                         [](const auto& info) { return info.param; });

// ---- Mended: the check box's enabled flag is stored and shown (what else the dialogs edit
// comes back through the property round trip)

TEST_F(EntryDesigner, CheckBoxStoresTheEnabledFlagItsDialogEdits) {
    d.LoadItemControl(storedRow<ISITRecord>("checkbox"));
    EXPECT_TRUE(d.CheckBoxArray[1].Enabled());
    d.ItemTable[1].Enabled = false;  // the dialog leaves the control as it is
    const ISITRecord out = written(1);
    EXPECT_EQ(fieldText(out.ii41).mid(6, 1), "0");
    const DesignItem back = reloaded(out);
    EXPECT_FALSE(back.Enabled);
    EXPECT_FALSE(again.CheckBoxArray[1].Enabled());
}

// ---- Mended: an item of an unknown kind goes back as it was read -----------------------------

TEST_F(EntryDesigner, UnknownKindRowChangesOnlyEntryOrderAndItemNumber) {
    d.LoadItemControl(storedRow<ISITRecord>("textbox"));
    const ISITRecord row = storedRow<ISITRecord>("other");
    d.LoadItemControl(row);
    ASSERT_EQ(d.ItemCount, 2);
    d.ItemTable[2].EntryOrder = 3;
    d.ItemTable[2].HintText = QStringLiteral("not stored for this kind");
    ISITRecord expected = row;
    expected.ii04 = 3;
    T(expected.ii29, "2");
    EXPECT_TRUE(sameRow(expected, written(2)));
}

// ---- Rows as the original stored them ----------------------------------------------------------

TEST_F(EntryDesigner, ShortSettingsTextsAreCompletedFromTheirDefaults) {
    ISITRecord row = storedRow<ISITRecord>("textbox");
    T(row.ii40, "01");       // + "111111101111": border 1, effect 0, alignment 1
    T(row.ii41, "0000001");  // + "011111111010110": locked, tab stop, visible, word wrap
    T(row.ii21, "1");        // + "0000": bold only
    T(row.ii38, "");         // the caption label's whole default
    T(row.ii39, "");
    d.LoadItemControl(row);
    const DesignTextBox& box = d.TextBoxArray[1];
    EXPECT_EQ(box.BorderStyle(), 1);
    EXPECT_EQ(box.SpecialEffect(), 0);
    EXPECT_TRUE(box.Locked());
    EXPECT_TRUE(box.FontBold());
    EXPECT_FALSE(box.FontItalic());
    EXPECT_TRUE(d.ItemTable[1].Visible);
    EXPECT_TRUE(d.ItemTable[1].ReadOnly);
    const DesignLabel& caption = d.LabelArray[d.ItemTable[1].CaptionIndex];
    EXPECT_EQ(caption.ToolTipText(), "0");  // twelve digits: top-aligned
    EXPECT_TRUE(d.labelVisible(d.ItemTable[1].CaptionIndex));
    const ISITRecord out = written(1);
    EXPECT_EQ(fieldText(out.ii40), "0110000000010");
    EXPECT_EQ(fieldText(out.ii41), "000000100100110");
    EXPECT_EQ(fieldText(out.ii21), "1000");
    EXPECT_EQ(fieldText(out.ii38), "0110000001010");
}

// ---- Where item-entry rows read differently from item-search rows -----------------------------

TEST_F(EntryDesigner, KindsDrawnDifferentlyOnEntryForms) {
    d.LoadItemControl(storedRow<ISITRecord>("listbox"));
    EXPECT_EQ(d.ListBoxArray[1].Text(), QStringLiteral("『家庭成员』"));  // a text box

    ISITRecord frame = storedRow<ISITRecord>("frame");
    T(frame.ii31, "65280");
    d.LoadItemControl(frame);
    EXPECT_EQ(d.FrameArray[1].BorderColor(), 255);  // member 43, not 31

    d.LoadItemControl(storedRow<ISITRecord>("checkbox"));
    EXPECT_EQ(d.CheckBoxArray[1].Text(), QStringLiteral("已婚"));  // no brackets
    EXPECT_EQ(d.CheckBoxArray[1].BorderStyle(), 1);

    d.LoadItemControl(storedRow<ISITRecord>("postil"));
    EXPECT_EQ(d.PostilArray[1].Text(), QStringLiteral("『领导批示』"));

    d.LoadItemControl(storedRow<ISITRecord>("mmx"));  // pictures shown directly
    ASSERT_EQ(d.ItemCount, 5);
    d.ItemTable[5].ShowPictureDirect = false;
    EXPECT_EQ(fieldText(written(5).ii40).mid(5, 1), "1");
}

TEST_F(EntryDesigner, CompanionSearchRowsAreWrittenAsTheSearchDesignerStoresThem) {
    // No selection mode, bordered date boxes; check boxes and list boxes, drawn here as text
    // boxes, keep their own kind and switches.
    const auto load = [this](const char* kind, const char* name, const char* ints,
                             const char* switches) {
        ISITRecord row;
        T(row.ii06, kind);
        T(row.ii03, name);
        T(row.ii40, ints);
        T(row.ii41, switches);
        d.LoadItemControl(row);
    };
    load("4", "", "0100000002110", "");
    load("5", "", "0000000001010", "");
    load("3", "已婚", "", "000000100000110");
    load("6", "成员", "", "");
    ASSERT_EQ(d.ItemCount, 4);
    EXPECT_EQ(fieldText(writtenAs<IJSTRecord>(d, 1).is40), "0100000002010");
    EXPECT_EQ(fieldText(writtenAs<IJSTRecord>(d, 2).is40).left(3), "011");
    const IJSTRecord check = writtenAs<IJSTRecord>(d, 3);
    EXPECT_EQ(fieldText(check.is03), QStringLiteral("已婚"));
    EXPECT_EQ(fieldText(check.is41), "000000100000110");
    EXPECT_EQ(fieldText(writtenAs<IJSTRecord>(d, 4).is06), "6");
}

}  // namespace
