// The save-synchronisation prompt, answered through the prompt seam as a user would.

#include <gtest/gtest.h>

#include "designer/frm_zelk_xgti.h"
#include "platform/promptscript.h"

namespace zelk {
namespace {

struct ChoiceCase {
    const char* name;
    Qt::CheckState search, browse;
    enum { OK, Cancel, Close } end;
    bool syncSearch, syncBrowse;
    friend void PrintTo(const ChoiceCase& c, std::ostream* os) { *os << c.name; }
};

class SyncPromptTest : public ::testing::TestWithParam<ChoiceCase> {};

TEST_P(SyncPromptTest, GivesTheChoice) {
    const ChoiceCase& c = GetParam();
    frm_zelk_xgti dialog;
    for (int round = 0; round < 2; ++round) {
        PromptScript script;
        script.onModal<frm_zelk_xgti>([&](frm_zelk_xgti& shown) {
            // Every showing starts with nothing chosen.
            EXPECT_EQ(shown.Check1->checkState(), Qt::Unchecked);
            EXPECT_EQ(shown.Check2->checkState(), Qt::Unchecked);
            shown.Check1->setCheckState(c.search);
            shown.Check2->setCheckState(c.browse);
            if (c.end == ChoiceCase::Close)
                shown.close();
            else
                (c.end == ChoiceCase::OK ? shown.OKButton : shown.CancelButton)->click();
        });
        ShowModal(dialog);
        ASSERT_EQ(script.prompts().size(), 1u);
        EXPECT_EQ(script.prompts()[0].title, QStringLiteral("修改提示"));
        EXPECT_EQ(dialog.SyncSearch, c.syncSearch);
        EXPECT_EQ(dialog.SyncBrowse, c.syncBrowse);
    }
}

constexpr auto kOK = ChoiceCase::OK;
INSTANTIATE_TEST_SUITE_P(
    Choices, SyncPromptTest,
    ::testing::Values(ChoiceCase{"Both", Qt::Checked, Qt::Checked, kOK, true, true},
                      ChoiceCase{"MixedIsNotChosen", Qt::PartiallyChecked, Qt::Checked, kOK, false,
                                 true},
                      ChoiceCase{"CancelChoosesNothing", Qt::Checked, Qt::Checked,
                                 ChoiceCase::Cancel, false, false},
                      ChoiceCase{"CloseChoosesNothing", Qt::Checked, Qt::Unchecked,
                                 ChoiceCase::Close, false, false}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace zelk
