// The property command of both designers: Cancel and the close box, the apply box, labels, the
// drop-down's selection mode and the faults the handlers mend.

#include "properties_support.h"

namespace zelk {
namespace {

using proptest::runPropertyCommand;
using windowtest::DesignerWindowTest;

const char* const kItemArrays[] = {"TextBoxArray",  "MemoBoxArray",    "DatePickerArray",
                                   "ComboBoxArray", "ChildTableArray", "CheckBoxArray",
                                   "MMXArray",      "ListBoxArray",    "PostilArray"};

QString describe(const DesignItem& i) {
    QStringList f{i.ItemName,    i.Format,          i.DefaultValue, i.HintText,
                  i.BoundColumn, i.ChildTableClass, i.DataFormat};
    for (const int n : {i.EntryOrder, i.MaxLength, i.DataSelectMode, int(i.ExtraInfoEntryMode),
                        int(i.ListEntryMode), i.CaptionIndex, int(i.Visible), int(i.Enabled),
                        int(i.ReadOnly), int(i.AutoTab), int(i.AutoSize), int(i.AutoWordSelect),
                        int(i.ShowMediaInline), int(i.ShowPictureDirect), int(i.Deleted)})
        f << QString::number(n);
    return f.join('|');
}

QStringList describeAll(const DesignerBase& w) {
    QStringList all;
    for (const DesignItem& i : w.ItemTable) all << describe(i);
    return all;
}

// The font control of element `index` of the array, whatever its class.
DesignFontControl* fontControl(DesignerBase& w, const QString& array, int index) {
    if (array == "LabelArray") return w.LabelArray.find(index);
    for (int kind = 2; kind <= 13; ++kind)
        if (designArrayName(static_cast<DesignArray>(kind)) == array)
            return dynamic_cast<DesignFontControl*>(w.itemControl(kind, index));
    return nullptr;
}

bool entryOnly(const QString& array) {
    return array == "ListBoxArray" || array == "PostilArray";
}

bool dialogHeld(DesignerBase& w) {
    if (w.pf || w.pf1 || w.pf2 || w.pf3 || w.pf4) return true;
    if (auto* e = dynamic_cast<frm_zelk_jmsj*>(&w))
        return e->pf5 || e->pf6 || e->pf7 || e->pf8 || e->pf9;
    auto& s = dynamic_cast<frm_zelk_jssj&>(w);
    return s.pf5 || s.pf6 || s.pf7;
}

class PropertyCommand : public DesignerWindowTest {
  protected:
    bool entry() const { return GetParam() == DesignerKind::ItemEntry; }
    // The item of element 1 of an array.
    static DesignItem& itemOf(DesignerBase& w, const QString& array) {
        return *properties::taggedItem(w, fontControl(w, array, 1)->Tag());
    }
};

TEST_P(PropertyCommand, CancelAndTheCloseBoxChangeNothing) {
    auto w = open();
    const int caption = itemOf(*w, "TextBoxArray").CaptionIndex;
    QStringList arrays(std::begin(kItemArrays), std::end(kItemArrays));
    arrays << "LabelArray";
    for (const bool closeBox : {false, true}) {
        for (const QString& array : arrays) {
            if (entryOnly(array) && !entry()) continue;
            const int index = array == "LabelArray" ? caption : 1;
            const QStringList items = describeAll(*w);
            DesignFontControl* c = fontControl(*w, array, index);
            ASSERT_NE(c, nullptr) << array.toStdString();
            const QString captionBefore = w->LabelArray.at(caption).Caption();
            const auto visible = w->LabelVisible;
            runPropertyCommand(
                *w, array,
                [&](Form& shown) {
                    proptest::editDialog(
                        shown, proptest::changed(shown, {{"ForeColor", 255},
                                                         {"ItemName", QStringLiteral("不要")},
                                                         {"Caption", QStringLiteral("不要")},
                                                         {"Visible", false}}));
                    if (closeBox)
                        shown.unload();
                    else
                        dynamic_cast<ItemPropertyDialog&>(shown).Command5_Click();
                },
                index);
            EXPECT_NE(c->ForeColor(), 255) << array.toStdString();
            EXPECT_EQ(describeAll(*w), items) << array.toStdString();
            EXPECT_EQ(w->LabelArray.at(caption).Caption(), captionBefore);
            EXPECT_EQ(w->LabelVisible, visible);
            EXPECT_FALSE(w->DesignModified) << array.toStdString();
            EXPECT_FALSE(dialogHeld(*w));
        }
    }
}

TEST_P(PropertyCommand, ApplyBoxGivesEveryElementOfTheKindTheLookAndOnlyTheCurrentItemItsRecord) {
    for (const QString array : kItemArrays) {
        if (entryOnly(array) && !entry()) continue;
        auto w = open();
        DesignFontControl* current = fontControl(*w, array, 1);
        ASSERT_NE(current, nullptr);
        // A hidden text box standing for a deleted item's control.
        DesignFontControl* hidden = nullptr;
        if (array == "TextBoxArray") (hidden = &w->TextBoxArray.loadNext())->hide();
        DesignFontControl* templ = fontControl(*w, array, 0);
        ASSERT_NE(templ, nullptr);
        DesignItem& item = itemOf(*w, array);
        QStringList others = describeAll(*w);
        const int itemIndex = static_cast<int>(&item - w->ItemTable.data());
        others.removeAt(itemIndex);
        const QString textBefore = w->TextBoxArray.at(1).Text();
        runPropertyCommand(*w, array, [&](Form& shown) {
            proptest::confirm(shown, {{"ForeColor", 255}, {"FontSize", 14}, {"ItemName", "新名"}},
                              true);
        });
        const bool toAll = array != "MMXArray";
        for (DesignFontControl* c : {current, templ, hidden}) {
            if (!c) continue;
            const bool expected = c == current || toAll;
            EXPECT_EQ(c->ForeColor() == 255, expected) << array.toStdString() << " " << c->Index();
            EXPECT_EQ(c->FontSize() == 14, expected) << array.toStdString() << " " << c->Index();
        }
        EXPECT_EQ(item.ItemName, "新名") << array.toStdString();
        QStringList othersAfter = describeAll(*w);
        othersAfter.removeAt(itemIndex);
        EXPECT_EQ(othersAfter, others) << array.toStdString();
        EXPECT_EQ(w->LabelArray.at(item.CaptionIndex).Caption(), "新名") << array.toStdString();
        // No other kind took the look, no other item's control its text.
        const QString other = array == "TextBoxArray" ? "ComboBoxArray" : "TextBoxArray";
        EXPECT_NE(fontControl(*w, other, 1)->ForeColor(), 255);
        if (array != "TextBoxArray") {
            EXPECT_EQ(w->TextBoxArray.at(1).Text(), textBefore);
        }
        EXPECT_TRUE(w->DesignModified);
    }
}

// ---- Faults the handlers mend ------------------------------------------------------------------

// The read-only tick of memo and sub-table items and the disabled tick of check boxes reach the
// item the save stores; the date box keeps its own appearance with the apply box ticked.
TEST_P(PropertyCommand, TicksReachTheItemAndTheDateBoxItsAppearance) {
    for (const char* array : {"MemoBoxArray", "ChildTableArray", "CheckBoxArray"}) {
        auto w = open();
        DesignItem& item = itemOf(*w, array);
        const bool check = QLatin1String(array) == QLatin1String("CheckBoxArray");
        const bool before = check ? item.Enabled : item.ReadOnly;
        runPropertyCommand(*w, array, [&](Form& shown) {
            proptest::confirm(shown, {{check ? "Enabled" : "ReadOnly", !before}});
        });
        EXPECT_EQ(check ? item.Enabled : item.ReadOnly, !before) << array;
        if (check) {
            EXPECT_EQ(w->itemControl(kKindCheckBox, 1)->Enabled(), !before);
        }
    }
    auto w = open();
    DesignPlainTextBox& other = w->DatePickerArray.loadNext();
    const int otherAppearance = other.Appearance();
    const std::int16_t now = w->DatePickerArray.at(1).Appearance() == 0 ? 1 : 0;
    runPropertyCommand(*w, "DatePickerArray", [&](Form& shown) {
        proptest::confirm(shown, {{"Appearance", QVariant::fromValue(now)}}, true);
    });
    EXPECT_EQ(w->DatePickerArray.at(1).Appearance(), now);
    EXPECT_EQ(other.Appearance(), otherAppearance);
}

// ---- Labels ------------------------------------------------------------------------------------

class LabelCommand : public PropertyCommand {
  protected:
    void SetUp() override {
        PropertyCommand::SetUp();
        w = open();
        owner = &itemOf(*w, "TextBoxArray");
        label = owner->CaptionIndex;
        ASSERT_GT(label, 0);
    }
    void edit(const QVariantMap& changes, bool applyToAll = false) {
        runPropertyCommand(
            *w, "LabelArray",
            [&](Form& shown) {
                EXPECT_EQ(QString(shown.metaObject()->className()), "zelk::frm_label_prop");
                proptest::confirm(shown, changes, applyToAll);
            },
            label);
    }
    std::unique_ptr<DesignerBase> w;
    DesignItem* owner = nullptr;
    int label = 0;
};

// A caption label renames its item by the item's bound column; a free one (or a tag naming no
// item) renames nothing. Either takes its caption and look.
TEST_P(LabelCommand, FreeAndCaptionLabels) {
    struct Case {
        const char* bound;
        const char* tag;  // nullptr: the label's own
        bool renamed;
    };
    const QString ownTag = w->LabelArray.at(label).Tag();
    for (const Case c :
         {Case{"null", nullptr, false}, Case{"NULL  ", nullptr, false},
          Case{" NULL", nullptr, true}, Case{"", nullptr, false}, Case{"bt", nullptr, true},
          Case{"bt", "x", false}, Case{"bt", "2000", false}, Case{"bt", "-1", false}}) {
        owner->BoundColumn = QString::fromUtf8(c.bound);
        w->LabelArray.at(label).setTag(c.tag ? QString(c.tag) : ownTag);
        w->LabelArray.at(label).setForeColor(0);
        const QStringList items = describeAll(*w);
        const QString caption = owner->ItemName + "x";
        edit({{"Caption", caption}, {"ForeColor", 255}});
        const std::string what = std::string(c.bound) + "/" + (c.tag ? c.tag : "own");
        EXPECT_EQ(w->LabelArray.at(label).Caption(), caption) << what;
        EXPECT_EQ(w->LabelArray.at(label).ForeColor(), 255) << what;
        if (c.renamed) {
            EXPECT_EQ(owner->ItemName, caption) << what;
        } else {
            EXPECT_EQ(describeAll(*w), items) << what;
        }
        EXPECT_TRUE(w->DesignModified);
    }
}

TEST_P(LabelCommand, TheFirstItemWithThatCaptionLabelIsRenamed) {
    const auto ownerIndex = owner - w->ItemTable.data();
    ASSERT_GT(ownerIndex, 1);
    DesignItem& first = w->ItemTable[1];
    const QString firstName = first.ItemName;
    const int firstCaption = first.CaptionIndex;
    first.CaptionIndex = label;
    const QString ownerName = owner->ItemName;
    edit({{"Caption", QStringLiteral("标题甲")}});
    EXPECT_NE(firstName, "标题甲");
    EXPECT_EQ(first.ItemName, "标题甲");
    EXPECT_EQ(owner->ItemName, ownerName);
    first.CaptionIndex = firstCaption;
}

// "隐藏" is kept on both paths; the apply box gives every label the look only.
TEST_P(LabelCommand, HiddenIsKeptAndTheApplyBoxGivesEveryLabelTheLookOnly) {
    DesignLabel& hidden = w->LabelArray.loadNext();
    hidden.hide();
    const QString itemLabelCaption = w->LabelArray.at(1).Caption();
    const bool itemLabelVisible = w->labelVisible(1);
    for (const bool toAll : {false, true}) {
        w->setLabelVisible(label, true);
        edit({{"Visible", false}, {"ForeColor", 255}, {"FontSize", 15}, {"Caption", "新标题"}},
             toAll);
        EXPECT_FALSE(w->labelVisible(label)) << toAll;
        EXPECT_TRUE(w->LabelArray.at(label).Visible());
        EXPECT_EQ(w->LabelArray.at(label).Caption(), "新标题");
        EXPECT_EQ(hidden.ForeColor() == 255, toAll);
    }
    for (const int i : w->LabelArray.indices()) {
        EXPECT_EQ(w->LabelArray.at(i).ForeColor(), 255) << i;
        EXPECT_EQ(w->LabelArray.at(i).FontSize(), 15) << i;
    }
    EXPECT_EQ(w->LabelArray.at(1).Caption(), itemLabelCaption);
    EXPECT_EQ(w->labelVisible(1), itemLabelVisible);
}

// ---- The drop-down's selection mode ------------------------------------------------------------

TEST_P(PropertyCommand, SelectionModeZeroIsCombinationAnyOtherListAndTheDigitIsKept) {
    const auto saveAndReopen = [&](auto&& change) {
        {
            auto w = open();
            change(*w);
            if (auto* e = dynamic_cast<frm_zelk_jmsj*>(w.get())) e->SyncSearchForm = true;
            w->SaveInterface();
            w->DesignModified = false;
        }
        return itemOf(*open(), "ComboBoxArray").DataSelectMode;
    };
    for (const int mode : {0, 1, 2}) {
        saveAndReopen([&](DesignerBase& w) { itemOf(w, "ComboBoxArray").DataSelectMode = mode; });
        // Shown as stored, saved without an edit.
        const int kept = saveAndReopen([&](DesignerBase& w) {
            runPropertyCommand(w, "ComboBoxArray", [&](Form& shown) {
                EXPECT_EQ(dynamic_cast<frm_combo_prop&>(shown).ComboBox2->currentIndex(),
                          mode == 0 ? 0 : 1);
                shown.unload();
            });
        });
        EXPECT_EQ(kept, mode);
    }
    // List mode chosen in the dialog is stored as 2.
    EXPECT_EQ(saveAndReopen([&](DesignerBase& w) {
                  runPropertyCommand(w, "ComboBoxArray", [&](Form& shown) {
                      auto& d = dynamic_cast<frm_combo_prop&>(shown);
                      d.ComboBox2->setCurrentIndex(1);
                      d.Command4_Click();
                  });
              }),
              2);
    if (!entry()) return;
    // The class's regenerated search form takes no selection mode.
    frm_zelk_jssj search;
    search.init(hdbc(), windowtest::demoInterface(DesignerKind::ItemSearch, hdbc()));
    EXPECT_EQ(itemOf(search, "ComboBoxArray").DataSelectMode, 0);
}

ZELK_ON_BOTH_DESIGNERS(PropertyCommand);
ZELK_ON_BOTH_DESIGNERS(LabelCommand);

}  // namespace
}  // namespace zelk
