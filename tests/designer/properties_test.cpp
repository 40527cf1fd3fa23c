// The property command of both designers: Cancel and the close box, the apply box, labels, the
// drop-down's selection mode and the faults the handlers mend.

#include "designer_rows.h"
#include "properties_support.h"

namespace zelk {
namespace {

using proptest::editAndConfirm;
using proptest::makeCurrent;
using proptest::runPropertyCommand;
using proptest::variablesOf;
using windowtest::DesignerWindowTest;

const char* const kItemArrays[] = {"TextBoxArray",  "MemoBoxArray",    "DatePickerArray",
                                   "ComboBoxArray", "ChildTableArray", "CheckBoxArray",
                                   "MMXArray",      "ListBoxArray",    "PostilArray"};

QString describe(const DesignItem& i) {
    return QStringList{i.ItemName,
                       i.Format,
                       i.DefaultValue,
                       i.HintText,
                       i.BoundColumn,
                       i.ChildTableClass,
                       i.DataFormat,
                       QString::number(i.EntryOrder),
                       QString::number(i.MaxLength),
                       QString::number(i.DataSelectMode),
                       QString::number(i.ExtraInfoEntryMode),
                       QString::number(i.ListEntryMode),
                       QString::number(i.CaptionIndex),
                       QString("%1%2%3%4%5%6%7%8%9")
                           .arg(i.Visible)
                           .arg(i.Enabled)
                           .arg(i.ReadOnly)
                           .arg(i.AutoTab)
                           .arg(i.AutoSize)
                           .arg(i.AutoWordSelect)
                           .arg(i.ShowMediaInline)
                           .arg(i.ShowPictureDirect)
                           .arg(i.Deleted)}
        .join('|');
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
    template <class Row>
    std::vector<Row> storedRows() {
        return testrows::readRows<Row>(hdbc(), fid);
    }
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
        // A hidden element standing for a deleted item's control.
        int kind = 2;
        while (designArrayName(static_cast<DesignArray>(kind)) != array) ++kind;
        DesignFontControl* hidden = nullptr;
        if (auto* e = dynamic_cast<frm_zelk_jmsj*>(w.get()); e && array == "PostilArray")
            hidden = &e->PostilArray.loadNext();
        else if (array == "TextBoxArray")
            hidden = &w->TextBoxArray.loadNext();
        else if (array == "DatePickerArray")
            hidden = &w->DatePickerArray.loadNext();
        else if (array == "MMXArray")
            hidden = &w->MMXArray.loadNext();
        if (hidden) hidden->hide();
        DesignFontControl* templ = fontControl(*w, array, 0);
        ASSERT_NE(templ, nullptr);
        DesignItem& item = itemOf(*w, array);
        QStringList others = describeAll(*w);
        const int itemIndex = static_cast<int>(&item - w->ItemTable.data());
        others.removeAt(itemIndex);
        const QString textBefore = w->TextBoxArray.at(1).Text();
        runPropertyCommand(*w, array, [&](Form& shown) {
            editAndConfirm(shown,
                           proptest::changed(shown, {{"ForeColor", 255},
                                                     {"FontSize", 14},
                                                     {"ItemName", QStringLiteral("新名")}}),
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
        if (array != "TextBoxArray") {
            EXPECT_EQ(w->TextBoxArray.at(1).Text(), textBefore);
            // No other kind took the look.
            EXPECT_NE(w->TextBoxArray.at(1).ForeColor(), 255);
        } else {
            EXPECT_NE(w->ComboBoxArray.at(1).ForeColor(), 255);
        }
        EXPECT_TRUE(w->DesignModified);
    }
}

TEST_P(PropertyCommand, EachHiddenKindMenuRunsItsHandler) {
    const std::pair<const char*, const char*> menus[] = {
        {"mnu_text_prop", "TextBoxArray"},
        {"mnu_combo_prop", "ComboBoxArray"},
        {"mnu_memo_prop", "MemoBoxArray"},
        {"mnu_date_prop", "DatePickerArray"},
        {"mnu_mmx_prop", "MMXArray"},
        {"mnu_check_prop", "CheckBoxArray"},
        {"mnu_childtable_prop", "ChildTableArray"}};
    auto w = open();
    for (const auto& [action, array] : menus) {
        ASSERT_NE(makeCurrent(*w, array), nullptr);
        w->curIndex = 1;
        auto* entryAction = w->findChild<QAction*>(action);
        ASSERT_NE(entryAction, nullptr) << action;
        EXPECT_EQ(entryAction->text(), "属性");
        PromptScript script;
        script.onModal([](Form& shown) { shown.unload(); });
        entryAction->trigger();
        EXPECT_EQ(script.prompts().size(), 1u) << action;
    }
}

TEST_P(PropertyCommand, NoCurrentControlOpensNothing) {
    auto w = open();
    w->currentControlState().setCurrentControl(nullptr);
    PromptScript script;
    w->mnu_prop_Click();
    w->mnu_label_prop_Click();
    EXPECT_TRUE(script.prompts().empty());
}

// ---- Faults the handlers mend ------------------------------------------------------------------

TEST_P(PropertyCommand, ReadOnlyOfMemoAndSubTableItemsReachesTheItem) {
    for (const char* array : {"MemoBoxArray", "ChildTableArray"}) {
        auto w = open();
        DesignItem& item = itemOf(*w, array);
        const bool before = item.ReadOnly;
        runPropertyCommand(*w, array, [&](Form& shown) {
            editAndConfirm(shown, proptest::changed(shown, {{"ReadOnly", !before}}));
        });
        EXPECT_EQ(item.ReadOnly, !before) << array;
    }
}

TEST_P(PropertyCommand, DisabledCheckBoxDisablesItsControl) {
    auto w = open();
    DesignItem& item = itemOf(*w, "CheckBoxArray");
    DesignControl* c = w->itemControl(kKindCheckBox, 1);
    runPropertyCommand(*w, "CheckBoxArray", [&](Form& shown) {
        editAndConfirm(shown, proptest::changed(shown, {{"Enabled", false}}));
    });
    EXPECT_FALSE(item.Enabled);
    EXPECT_FALSE(c->Enabled());
}

TEST_P(PropertyCommand, DateBoxTakesItsAppearanceWithTheApplyBoxToo) {
    auto w = open();
    DesignPlainTextBox& other = w->DatePickerArray.loadNext();
    const int otherAppearance = other.Appearance();
    const int before = w->DatePickerArray.at(1).Appearance();
    runPropertyCommand(*w, "DatePickerArray", [&](Form& shown) {
        editAndConfirm(
            shown,
            proptest::changed(
                shown, {{"Appearance", QVariant::fromValue<std::int16_t>(before == 0 ? 1 : 0)}}),
            true);
    });
    EXPECT_EQ(w->DatePickerArray.at(1).Appearance(), before == 0 ? 1 : 0);
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
                editAndConfirm(shown, proptest::changed(shown, changes), applyToAll);
            },
            label);
    }
    std::unique_ptr<DesignerBase> w;
    DesignItem* owner = nullptr;
    int label = 0;
};

TEST_P(LabelCommand, FreeAndCaptionLabelsByTheirItemsBoundColumn) {
    struct Case {
        const char* bound;
        bool renamed;
    };
    for (const Case c : {Case{"null", false}, Case{"NULL  ", false}, Case{" NULL", true},
                         Case{"", false}, Case{"bt", true}}) {
        owner->BoundColumn = QString::fromUtf8(c.bound);
        const QString name = owner->ItemName;
        edit({{"Caption", name + "x"}});
        EXPECT_EQ(w->LabelArray.at(label).Caption(), name + "x") << c.bound;
        EXPECT_EQ(owner->ItemName, c.renamed ? name + "x" : name) << c.bound;
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
    EXPECT_EQ(first.ItemName, "标题甲");
    EXPECT_EQ(owner->ItemName, ownerName);
    first.CaptionIndex = firstCaption;
    EXPECT_NE(firstName, "标题甲");
}

TEST_P(LabelCommand, TagsNamingNoItemMakeAFreeLabelThatStillTakesItsLook) {
    for (const char* tag : {"x", "2000", "-1"}) {
        w->LabelArray.at(label).setTag(tag);
        const QStringList items = describeAll(*w);
        edit({{"Caption", QString("标签%1").arg(tag)}, {"ForeColor", 255}});
        EXPECT_EQ(w->LabelArray.at(label).Caption(), QString("标签%1").arg(tag));
        EXPECT_EQ(w->LabelArray.at(label).ForeColor(), 255);
        EXPECT_EQ(describeAll(*w), items) << tag;
        w->LabelArray.at(label).setForeColor(0);
    }
}

TEST_P(LabelCommand, HiddenIsKeptWithAndWithoutTheApplyBox) {
    for (const bool toAll : {false, true}) {
        w->setLabelVisible(label, true);
        edit({{"Visible", false}}, toAll);
        EXPECT_FALSE(w->labelVisible(label)) << toAll;
        EXPECT_TRUE(w->LabelArray.at(label).Visible());
    }
}

TEST_P(LabelCommand, ApplyBoxGivesEveryLabelTheLookButKeepsTheirCaptionsAndFlags) {
    DesignLabel& hidden = w->LabelArray.loadNext();
    hidden.hide();
    const QString itemLabelCaption = w->LabelArray.at(1).Caption();
    const bool itemLabelVisible = w->labelVisible(1);
    edit({{"ForeColor", 255}, {"FontSize", 15}, {"Caption", QStringLiteral("新标题")}}, true);
    for (const int i : w->LabelArray.indices()) {
        EXPECT_EQ(w->LabelArray.at(i).ForeColor(), 255) << i;
        EXPECT_EQ(w->LabelArray.at(i).FontSize(), 15) << i;
    }
    EXPECT_EQ(w->LabelArray.at(1).Caption(), itemLabelCaption);
    EXPECT_EQ(w->labelVisible(1), itemLabelVisible);
    EXPECT_EQ(w->LabelArray.at(label).Caption(), "新标题");
}

TEST_P(LabelCommand, VerticalAlignmentIsKeptInTheToolTipOfEntryLabels) {
    w->LabelArray.at(label).setToolTipText("1");
    std::int16_t shownAlign = -1;
    runPropertyCommand(
        *w, "LabelArray",
        [&](Form& shown) {
            shownAlign = dynamic_cast<frm_label_prop&>(shown).VerticalAlign;
            editAndConfirm(shown,
                           proptest::changed(
                               shown, {{"VerticalAlign", QVariant::fromValue<std::int16_t>(2)}}));
        },
        label);
    EXPECT_EQ(shownAlign, entry() ? 1 : 0);
    EXPECT_EQ(w->LabelArray.at(label).ToolTipText(), entry() ? "2" : "1");
}

// ---- The drop-down's selection mode ------------------------------------------------------------

TEST_P(PropertyCommand, SelectionModeZeroIsCombinationAnyOtherListAndTheDigitIsKept) {
    for (const int mode : {0, 1, 2}) {
        {
            auto w = open();
            itemOf(*w, "ComboBoxArray").DataSelectMode = mode;
            w->SaveInterface();
            w->DesignModified = false;
        }
        {
            // Shown as stored, saved without an edit.
            auto w = open();
            EXPECT_EQ(itemOf(*w, "ComboBoxArray").DataSelectMode, mode);
            runPropertyCommand(*w, "ComboBoxArray", [&](Form& shown) {
                EXPECT_EQ(dynamic_cast<frm_combo_prop&>(shown).ComboBox2->currentIndex(),
                          mode == 0 ? 0 : 1);
                shown.unload();
            });
            w->SaveInterface();
            w->DesignModified = false;
        }
        auto w = open();
        EXPECT_EQ(itemOf(*w, "ComboBoxArray").DataSelectMode, mode);
    }
    {
        auto w = open();
        runPropertyCommand(*w, "ComboBoxArray", [&](Form& shown) {
            auto& d = dynamic_cast<frm_combo_prop&>(shown);
            d.ComboBox2->setCurrentIndex(1);
            d.Command4_Click();
        });
        EXPECT_EQ(itemOf(*w, "ComboBoxArray").DataSelectMode, 2);
        if (auto* e = dynamic_cast<frm_zelk_jmsj*>(w.get())) e->SyncSearchForm = true;
        w->SaveInterface();
        w->DesignModified = false;
    }
    auto w = open();
    EXPECT_EQ(itemOf(*w, "ComboBoxArray").DataSelectMode, 2);
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
