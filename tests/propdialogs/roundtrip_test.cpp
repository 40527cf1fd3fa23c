// Every dialog gives back what went in: OK without a change returns the values (with the few
// normalisations of the dialogs), Cancel and the close box return nothing.

#include <gtest/gtest.h>

#include "component/zelkmodule.h"
#include "platform/controls/olecolor.h"
#include "platform/promptscript.h"
#include "propdialogs/dialogcases.h"
#include "support/qtprint.h"

namespace zelk::test {
namespace {

// Values chosen to be awkward: a system colour, a font that is not installed, no alignment,
// an effect outside the list, a border style a check box cannot hold, a length that is no number.
QVariantMap awkwardValues() {
    QVariantMap v;
    auto i16 = [](int n) {
        return QVariant::fromValue<std::int16_t>(static_cast<std::int16_t>(n));
    };
    auto i32 = [](std::int32_t n) { return QVariant::fromValue<std::int32_t>(n); };
    v["ItemName"] = "标题";
    v["Caption"] = "发文登记表";
    v["Format"] = "yyyy/mm/dd";
    v["DefaultValue"] = "默认";
    v["HintText"] = "请输入";
    v["EntryOrder"] = i32(40000);
    v["Visible"] = false;
    v["Enabled"] = true;
    v["ReadOnly"] = true;
    v["AutoTab"] = false;
    v["AutoConvertToPostil"] = true;
    v["ExtraInfoEntryMode"] = i16(7);
    v["ListEntryMode"] = i16(2);
    v["ForeColor"] = i32(SysColor::WindowText);
    v["BackColor"] = i32(0x00336699);
    v["BorderColor"] = i32(SysColor::make(99));  // no colour of the table: shown black, kept
    v["FontName"] = "方正舒体（未安装）";
    v["FontSize"] = i32(13);
    v["FontBold"] = true;
    v["FontItalic"] = false;
    v["FontUnderline"] = true;
    v["TextAlign"] = i32(0);
    v["VerticalAlign"] = i16(3);
    v["BackStyle"] = i32(1);
    v["SpecialEffect"] = i16(9);
    v["Appearance"] = i16(1);
    v["BorderStyle"] = i32(5);
    v["AutoSize"] = true;
    v["ApplyToSameKind"] = true;
    v["DataSelectMode"] = i32(1);
    v["BoundColumn"] = "bt";
    v["ChildTableClass"] = "附件";
    v["ApprovalStepName"] = "不在列表中的环节";
    v["DataFormat"] = "#,##0";
    v["MaxLength"] = "12a";
    v["AutoWordSelect"] = true;
    v["SingleUserWindow"] = true;
    v["ShowMediaInline"] = false;
    v["ShowPictureDirect"] = true;  // hidden box, still comes back
    v["hdbc"] = i32(0);
    v["fid"] = "77";
    return v;
}

enum class Ending { OK, Cancel, CloseBox };

class RoundTrip : public ::testing::TestWithParam<DialogCase> {
  protected:
    // Assigns the values, loads, shows modally and ends the showing as asked.
    QVariantMap run(Ending ending, bool* cancelled) {
        std::unique_ptr<ItemPropertyDialog> dialog = GetParam().make();
        GetParam().assign(*dialog, awkwardValues());
        dialog->LoadAllProperties();
        EXPECT_TRUE(dialog->Cancelled);
        PromptScript script;
        script.onModal<ItemPropertyDialog>([ending](ItemPropertyDialog& shown) {
            EXPECT_EQ(shown.SSTab1->Tab(), 0);
            if (QCheckBox* apply = shown.applyBox()) {
                EXPECT_FALSE(apply->isChecked());
            }
            if (ending == Ending::OK) shown.Command4->click();
            if (ending == Ending::Cancel) shown.Command5->click();
            if (ending == Ending::CloseBox) shown.close();
        });
        ShowModal(*dialog);
        EXPECT_FALSE(dialog->isVisible());
        *cancelled = dialog->Cancelled;
        return GetParam().read(*dialog);
    }
};

// OK without a change gives the values back but for the dialogs' own normalisations; Cancel and
// the close box give back what was assigned.
TEST_P(RoundTrip, OKCancelAndTheCloseBox) {
    for (Ending ending : {Ending::OK, Ending::Cancel, Ending::CloseBox}) {
        bool cancelled = false;
        const QVariantMap back = run(ending, &cancelled);
        EXPECT_EQ(cancelled, ending != Ending::OK);
        QVariantMap expected = awkwardValues();
        if (ending == Ending::OK) {
            expected["ApplyToSameKind"] = false;
            expected["ListEntryMode"] = QVariant::fromValue<std::int16_t>(0);
        }
        for (auto it = back.begin(); it != back.end(); ++it)
            EXPECT_EQ(it.value(), expected[it.key()]) << it.key().toStdString();
    }
}

TEST_P(RoundTrip, EveryVariableHasItsRowAndCancelledIsTrueBeforeAnything) {
    std::unique_ptr<ItemPropertyDialog> dialog = GetParam().make();
    EXPECT_TRUE(dialog->Cancelled);
    const QVariantMap variables = GetParam().read(*dialog);
    EXPECT_EQ(variables.size(), GetParam().variables);
    QStringList rows;
    for (const PropertyRow& row : dialog->rows()) rows << row.variable;
    for (const QString& name : variables.keys())
        EXPECT_EQ(rows.contains(name), name != "hdbc" && name != "fid") << name.toStdString();
    EXPECT_EQ(rows.size(), QSet<QString>(rows.begin(), rows.end()).size()) << "one row each";
}

INSTANTIATE_TEST_SUITE_P(Dialogs, RoundTrip, ::testing::ValuesIn(allDialogs()), dialogCaseName);

}  // namespace
}  // namespace zelk::test
