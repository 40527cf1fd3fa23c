// The property command of both designers: Cancel and the close box, the apply box, labels, the
// drop-down's selection mode and the faults the handlers mend.

#include <QApplication>
#include <QSet>
#include <QTest>
#include <map>
#include <vector>

#include "properties_support.h"

namespace zelk {
namespace {

using proptest::runPropertyCommand;
using windowtest::DesignerWindowTest;

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
    return dynamic_cast<DesignFontControl*>(windowtest::controlOf(w, array, index));
}

// The Locked of a design control of any input kind.
bool lockedOf(const DesignControl* c) {
    if (auto* t = dynamic_cast<const DesignTextBox*>(c)) return t->Locked();
    if (auto* p = dynamic_cast<const DesignPlainTextBox*>(c)) return p->Locked();
    if (auto* b = dynamic_cast<const DesignComboBox*>(c)) return b->Locked();
    if (auto* k = dynamic_cast<const DesignCheckBox*>(c)) return k->Locked();
    if (auto* l = dynamic_cast<const DesignListBox*>(c)) return l->Locked();
    ADD_FAILURE() << "no input control";
    return false;
}

// What the canvas shows of a control's look and read-only state.
QString lookOf(const DesignFontControl* c) {
    return QStringList{QString::number(c->ForeColor()),
                       QString::number(c->BackColor()),
                       c->FontName(),
                       QString::number(c->FontSize()),
                       QString::number(c->FontBold()),
                       QString::number(lockedOf(c))}
        .join('|');
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
    // The item arrays of this designer: list boxes and notes are the entry designer's own.
    QStringList arrays() const {
        QStringList all{"TextBoxArray",    "MemoBoxArray",  "DatePickerArray", "ComboBoxArray",
                        "ChildTableArray", "CheckBoxArray", "MMXArray"};
        if (entry())
            all << "ListBoxArray"
                << "PostilArray";
        return all;
    }
    // The item of element 1 of an array.
    static DesignItem& itemOf(DesignerBase& w, const QString& array) {
        return *properties::taggedItem(w, fontControl(w, array, 1)->Tag());
    }
};

TEST_P(PropertyCommand, CancelAndTheCloseBoxChangeNothing) {
    auto w = open();
    const int caption = itemOf(*w, "TextBoxArray").CaptionIndex;
    const QStringList all = arrays() << "LabelArray";
    for (const bool closeBox : {false, true}) {
        for (const QString& array : all) {
            SCOPED_TRACE(array.toStdString());
            const int index = array == "LabelArray" ? caption : 1;
            const QStringList items = describeAll(*w);
            DesignFontControl* c = fontControl(*w, array, index);
            ASSERT_NE(c, nullptr);
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
            EXPECT_NE(c->ForeColor(), 255);
            EXPECT_EQ(describeAll(*w), items);
            EXPECT_EQ(w->LabelArray.at(caption).Caption(), captionBefore);
            EXPECT_EQ(w->LabelVisible, visible);
            EXPECT_FALSE(w->DesignModified);
            EXPECT_FALSE(dialogHeld(*w));
        }
    }
}

// With the apply box ticked the look goes to every element of the kind (the template and a hidden
// control included; the multimedia box keeps it to itself), the record and the read-only tick to
// the edited item alone; the canvas, the stored rows and the reopened designer agree.
TEST_P(PropertyCommand, ApplyBoxGivesTheKindTheLookAndTheEditedItemAloneItsRecordAndReadOnly) {
    for (const QString& array : arrays()) {
        SCOPED_TRACE(array.toStdString());
        const int colour = 256 + static_cast<int>(arrays().indexOf(array));  // new to every kind
        proptest::save(*open());  // the rows as this designer stores them
        QStringList others;
        std::map<int, bool> lockedBefore;
        int itemIndex = 0;
        bool readOnly = false;
        QString look;
        {
            auto w = open();
            DesignFontControl* current = fontControl(*w, array, 1);
            DesignFontControl* templ = fontControl(*w, array, 0);
            ASSERT_TRUE(current && templ);
            // A hidden text box standing for a deleted item's control.
            DesignFontControl* hidden = nullptr;
            if (array == "TextBoxArray") (hidden = &w->TextBoxArray.loadNext())->hide();
            std::map<DesignFontControl*, bool> spareLocked;
            for (DesignFontControl* c : {templ, hidden})
                if (c) spareLocked[c] = lockedOf(c);
            DesignItem& item = itemOf(*w, array);
            itemIndex = static_cast<int>(&item - w->ItemTable.data());
            others = describeAll(*w);
            others.removeAt(itemIndex);
            for (std::size_t i = 1; i < w->ItemTable.size(); ++i)
                if (DesignControl* c = w->itemControl(w->ItemTable[i]))
                    if (c->Name() == array) lockedBefore[static_cast<int>(i)] = lockedOf(c);
            const QString textBefore = w->TextBoxArray.at(1).Text();
            runPropertyCommand(*w, array, [&](Form& shown) {
                readOnly = !proptest::variablesOf(shown)["ReadOnly"].toBool();
                proptest::confirm(shown,
                                  {{"ReadOnly", readOnly},
                                   {"ForeColor", colour},
                                   {"BackColor", 65280},
                                   {"FontSize", 15},
                                   {"FontBold", true},
                                   {"ItemName", "新名"}},
                                  true);
            });
            for (DesignFontControl* c : {current, templ, hidden}) {
                if (!c) continue;
                const bool looks = c == current || array != "MMXArray";
                EXPECT_EQ(c->ForeColor() == colour, looks) << c->Index();
                EXPECT_EQ(c->FontSize() == 15, looks) << c->Index();
                EXPECT_EQ(lockedOf(c), c == current ? readOnly : spareLocked[c]) << c->Index();
            }
            EXPECT_EQ(item.ItemName, "新名");
            EXPECT_EQ(w->LabelArray.at(item.CaptionIndex).Caption(), "新名");
            QStringList othersNow = describeAll(*w);
            othersNow.removeAt(itemIndex);
            EXPECT_EQ(othersNow, others);
            // No other kind took the look, no other item's control its text.
            const QString other = array == "TextBoxArray" ? "ComboBoxArray" : "TextBoxArray";
            EXPECT_NE(fontControl(*w, other, 1)->ForeColor(), colour);
            if (array != "TextBoxArray") {
                EXPECT_EQ(w->TextBoxArray.at(1).Text(), textBefore);
            }
            EXPECT_TRUE(w->DesignModified);
            look = lookOf(current);
            proptest::save(*w);
        }
        auto again = open();
        EXPECT_EQ(lockedOf(fontControl(*again, array, 1)), readOnly);
        EXPECT_EQ(lookOf(fontControl(*again, array, 1)), look);
        for (const auto& [i, locked] : lockedBefore) {
            if (i == itemIndex) continue;
            EXPECT_EQ(lockedOf(again->itemControl(again->ItemTable[i])), locked) << i;
        }
        QStringList othersAgain = describeAll(*again);
        othersAgain.removeAt(itemIndex);
        EXPECT_EQ(othersAgain, others);
        runPropertyCommand(*again, array, [&](Form& shown) {
            EXPECT_EQ(proptest::variablesOf(shown)["ReadOnly"].toBool(), readOnly);
            shown.unload();
        });
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
        EXPECT_EQ(check ? item.Enabled : item.ReadOnly, !before);
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
            *w, "LabelArray", [&](Form& shown) { proptest::confirm(shown, changes, applyToAll); },
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
            proptest::save(*w);
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

// OK without an edit stores every member as it was: a drop-down mode 1, an entry order above
// the 16-bit range and a sub-table entry mode 2 included.
TEST_P(PropertyCommand, AnUntouchedOKStoresEveryMemberAsItWas) {
    {
        auto w = open();
        for (const QString& array : arrays()) itemOf(*w, array).EntryOrder = 40000;
        itemOf(*w, "ComboBoxArray").DataSelectMode = 1;
        itemOf(*w, "ChildTableArray").ExtraInfoEntryMode = 2;
        proptest::save(*w);
    }
    for (const QString& array : arrays()) {
        SCOPED_TRACE(array.toStdString());
        QVariantMap shownBefore;
        QString before;
        {
            auto w = open();
            before = describe(itemOf(*w, array));
            runPropertyCommand(*w, array, [&](Form& shown) {
                shownBefore = proptest::variablesOf(shown);
                EXPECT_EQ(shownBefore["EntryOrder"].toInt(), 40000);
                dynamic_cast<ItemPropertyDialog&>(shown).Command4_Click();
            });
            EXPECT_EQ(describe(itemOf(*w, array)), before);
            proptest::save(*w);
        }
        auto again = open();
        EXPECT_EQ(describe(itemOf(*again, array)), before);
        runPropertyCommand(*again, array, [&](Form& shown) {
            EXPECT_EQ(proptest::variablesOf(shown), shownBefore);
            shown.unload();
        });
    }
}

// A font picked in a dialog is the font the reopened designer shows (on a desktop that prefers
// none of the fonts installed here).
TEST_P(PropertyCommand, APickedFontComesBack) {
    setInstalledFontsProvider([] {
        return QStringList{"Noto Mono", "Noto Sans CJK SC", "Noto Serif CJK SC"};
    });
    setPreferredFontsProvider([] { return QStringList{"DejaVu Sans"}; });
    const QString picked = QStringLiteral("Noto Sans CJK SC");
    {
        auto w = open();
        runPropertyCommand(*w, "TextBoxArray", [&](Form& shown) {
            QComboBox& fonts = dynamic_cast<ItemPropertyDialog&>(shown).ComboBox1[9];
            EXPECT_NE(fonts.findText(QStringLiteral("Noto Mono")), -1);
            EXPECT_NE(fonts.findText(picked), -1);
            // Stored as "Noto*" too, it could never come back.
            EXPECT_EQ(fonts.findText(QStringLiteral("Noto Serif CJK SC")), -1);
            proptest::confirm(shown, {{"FontName", picked}});
        });
        proptest::save(*w);
    }
    auto again = open();
    EXPECT_EQ(fontControl(*again, "TextBoxArray", 1)->FontName(), picked);
    setInstalledFontsProvider(nullptr);
    setPreferredFontsProvider(nullptr);
}

// With the machine's own fonts, the desktop's faces (the first two it prefers of different
// stored forms, whatever its locale and settings) are offered, one family per stored form, and
// are the fonts the reopened designer shows.
TEST_P(PropertyCommand, TheDesktopsFacesComeBack) {
    std::vector<std::pair<QString, QString>> picks;
    QSet<QString> pickedForms;
    for (const QString& face : preferredFonts()) {
        if (picks.size() == 2) break;
        if (!installedFonts().contains(face) || pickedForms.contains(EncodeFontName(face)))
            continue;
        pickedForms.insert(EncodeFontName(face));
        picks.emplace_back(picks.empty() ? "TextBoxArray" : "MemoBoxArray", face);
    }
    ASSERT_FALSE(picks.empty());
    {
        auto w = open();
        for (const auto& [array, picked] : picks) {
            runPropertyCommand(*w, array, [&](Form& shown) {
                auto& dialog = dynamic_cast<ItemPropertyDialog&>(shown);
                QComboBox& fonts = dialog.ComboBox1[9];
                QSet<QString> forms;
                for (int i = 0; i < fonts.count(); ++i) {
                    const QString form = EncodeFontName(fonts.itemText(i));
                    EXPECT_FALSE(forms.contains(form)) << fonts.itemText(i).toStdString();
                    forms.insert(form);
                }
                const int index = fonts.findText(picked);
                EXPECT_NE(index, -1) << picked.toStdString();
                fonts.setCurrentIndex(index);
                dialog.Command4_Click();
            });
        }
        proptest::save(*w);
    }
    auto again = open();
    for (const auto& [array, picked] : picks)
        EXPECT_EQ(fontControl(*again, array, 1)->FontName(), picked);
}

// A hidden item is never drawn or picked by the mouse, but its node in the field tree makes it
// current: its dialog shows it again, and Del deletes it.
TEST_P(PropertyCommand, HiddenItemsAreReachedThroughTheFieldTree) {
    const auto nodeOf = [](DesignerBase& w, const DesignItem& item) -> Node* {
        const QString tag = QString::number(&item - w.ItemTable.data());
        for (int n = 1; n <= w.TreeView1->Count(); ++n)
            if (w.TreeView1->Item(n)->Tag() == tag) return w.TreeView1->Item(n);
        return nullptr;
    };
    const auto hideMemo = [&] {
        auto w = open();
        itemOf(*w, "MemoBoxArray").Visible = false;
        proptest::save(*w);
    };
    hideMemo();
    {
        auto w = open();
        DesignFontControl* memo = fontControl(*w, "MemoBoxArray", 1);
        ASSERT_TRUE(memo->isHidden());
        DesignItem& item = itemOf(*w, "MemoBoxArray");
        w->TreeView1_NodeClick(nodeOf(*w, item));
        EXPECT_EQ(w->CurrentControl(), memo);
        EXPECT_TRUE(w->statusText().startsWith(QStringLiteral("左上角坐标(")))
            << w->statusText().toStdString();
        PromptScript script;
        script.onModal([](Form& shown) { proptest::confirm(shown, {{"Visible", true}}); });
        w->mnu_prop_Click();
        EXPECT_FALSE(memo->isHidden());
        EXPECT_TRUE(item.Visible);
        proptest::save(*w);
    }
    {
        auto w = open();
        EXPECT_FALSE(fontControl(*w, "MemoBoxArray", 1)->isHidden());
        EXPECT_TRUE(itemOf(*w, "MemoBoxArray").Visible);
    }
    hideMemo();
    auto w = open();
    DesignItem& item = itemOf(*w, "MemoBoxArray");
    const QString name = item.ItemName;
    w->TreeView1_NodeClick(nodeOf(*w, item));
    // Del with the focus left in the tree, where the click put it.
    w->show();
    QApplication::setActiveWindow(w.get());
    w->TreeView1->setFocus();
    QTest::keyClick(w->TreeView1, Qt::Key_Delete);
    EXPECT_EQ(nodeOf(*w, item), nullptr);
    EXPECT_TRUE(w->DesignModified);
    proptest::save(*w);
    auto again = open();
    for (const DesignItem& i : again->ItemTable) EXPECT_NE(i.ItemName, name);
}

// The item-search designer stores no approval step: the check box's approval page is disabled.
TEST_P(PropertyCommand, TheApprovalPageIsDisabledWhereNothingOfItIsStored) {
    auto w = open();
    runPropertyCommand(*w, "CheckBoxArray", [&](Form& shown) {
        auto& d = dynamic_cast<frm_check_prop&>(shown);
        EXPECT_EQ(d.SSTab1->TabEnabled(5), entry());
        EXPECT_EQ(d.Combo1->isEnabled(), entry());
        EXPECT_TRUE(d.SSTab1->TabEnabled(0));
        EXPECT_FALSE(d.Text1[2].isEnabled());  // the default value: no kind stores it
        shown.unload();
    });
}

ZELK_ON_BOTH_DESIGNERS(PropertyCommand);
ZELK_ON_BOTH_DESIGNERS(LabelCommand);

}  // namespace
}  // namespace zelk
