// The canvas commands through a save and a reopen, on SQLite and on PostgreSQL: custom items,
// a copy, an alignment, a send-to-back and a delete are stored as the canvas showed them.

#include "canvas_support.h"
#include "designer_rows.h"
#include "designerwindow_support.h"
#include "platform/promptscript.h"

namespace zelk {
namespace {

using Param = std::tuple<test::TestBackend, DesignerKind>;

class CommandsRoundTrip : public ::testing::TestWithParam<Param> {
  protected:
    void SetUp() override {
        windowtest::clearSettings();
        if (std::get<0>(GetParam()) == test::TestBackend::PostgreSQL &&
            !test::TestDb::postgresAvailable())
            GTEST_SKIP() << test::TestDb::postgresSkipReason().toStdString();
        db_ = std::make_unique<test::TestDb>(std::get<0>(GetParam()), true);
        ASSERT_TRUE(db_->ok()) << db_->error().toStdString();
        fid = windowtest::demoInterface(std::get<1>(GetParam()), db_->hdbc());
        ASSERT_GT(fid, 0);
    }
    template <class D>
    void run();
    std::int32_t hdbc() const { return db_->hdbc(); }
    std::int32_t fid = 0;

  private:
    std::unique_ptr<test::TestDb> db_;
};

template <class Row>
const Row* rowNamed(const std::vector<Row>& rows, const QString& name) {
    for (const Row& r : rows)
        if (fieldText(r.*ItemColumns<Row>::m03) == name) return &r;
    return nullptr;
}

template <class D>
void CommandsRoundTrip::run() {
    using Row = typename D::RowType;
    using C = ItemColumns<Row>;
    const std::size_t rowsBefore = testrows::readRows<Row>(hdbc(), fid).size();
    QString lineName, labelName, copyName, deletedName;
    std::int32_t lineNo = 0;
    {
        D w;
        w.init(hdbc(), fid);
        PromptScript none;
        deletedName = w.ItemTable[1].ItemName;
        w.Toolbar2_ButtonClick("line");
        lineName = w.ItemTable[w.ItemCount].ItemName;
        DesignLine& line = w.LineArray[w.LineArray.ubound()];
        w.Toolbar2_ButtonClick("label");
        DesignLabel& label = w.LabelArray[w.LabelArray.ubound()];
        labelName = w.ItemTable[w.ItemCount].ItemName;
        w.mnu_ucCopy_Click();
        DesignLabel& copy = w.LabelArray[w.LabelArray.ubound()];
        copyName = w.ItemTable[w.ItemCount].ItemName;
        ASSERT_NE(copyName, labelName);
        w.AddToSelection(&label);
        w.AddToSelection(&copy);
        w.Toolbar3_ButtonClick("alignLeft");
        w.VBSelectControl(&line);
        w.mnu_toback_Click();
        lineNo = w.ItemTable[static_cast<std::size_t>(w.itemIndexOf(&line))].ItemNo;
        w.VBSelectControl(w.itemControl(w.ItemTable[1]));
        w.mnu_unDelete_Click();
        EXPECT_TRUE(w.DesignModified);
        w.SaveInterface();
        EXPECT_TRUE(none.prompts().empty());
    }
    const std::vector<Row> rows = testrows::readRows<Row>(hdbc(), fid);
    EXPECT_EQ(rows.size(), rowsBefore + 3 - 1);
    EXPECT_EQ(rowNamed(rows, deletedName), nullptr);
    const Row* line = rowNamed(rows, lineName);
    const Row* label = rowNamed(rows, labelName);
    const Row* copy = rowNamed(rows, copyName);
    ASSERT_TRUE(line && label && copy);
    EXPECT_EQ(fieldText(line->*C::m29), QString::number(lineNo));
    EXPECT_EQ(rows.front().*C::m00, line->*C::m00);  // the first row now
    const auto rect = [](const Row& r) {
        return std::vector<std::int32_t>{r.*C::m11, r.*C::m12, r.*C::m13, r.*C::m14};
    };
    EXPECT_EQ(rect(*line), std::vector<std::int32_t>({300, 300, 3300, 300}));
    EXPECT_EQ(rect(*label), std::vector<std::int32_t>({300, 300, 3300, 650}));
    EXPECT_EQ(rect(*copy), std::vector<std::int32_t>({300, 420, 3300, 770}));
    EXPECT_EQ(fieldText(copy->*C::m36), "自定义标签");

    D again;
    again.init(hdbc(), fid);
    EXPECT_EQ(again.ItemTable[1].ItemName, lineName);
    const auto find = [&](const QString& name) -> DesignControl* {
        for (std::int32_t i = 1; i <= again.ItemCount; ++i)
            if (again.ItemTable[i].ItemName == name) return again.itemControl(again.ItemTable[i]);
        return nullptr;
    };
    const auto* copied = dynamic_cast<const DesignLabel*>(find(copyName));
    ASSERT_NE(copied, nullptr);
    EXPECT_EQ(copied->Left(), 300);
    EXPECT_EQ(copied->Top(), 420);
    EXPECT_EQ(copied->Caption(), "自定义标签");
    EXPECT_EQ(find(deletedName), nullptr);
}

TEST_P(CommandsRoundTrip, StoresWhatTheCanvasShowed) {
    if (std::get<1>(GetParam()) == DesignerKind::ItemEntry)
        run<frm_zelk_jmsj>();
    else
        run<frm_zelk_jssj>();
}

// Names count the loaded elements: after a reload the deleted line's element is gone, so the
// next new line takes the name of the one that is left.
TEST_P(CommandsRoundTrip, ANameRepeatsAfterADeletedLineIsDroppedByTheReload) {
    const auto open = [&] {
        auto w = windowtest::makeDesigner(std::get<1>(GetParam()));
        w->init(hdbc(), fid);
        return w;
    };
    const auto lineNamed = [](DesignerBase& w, const QString& name) -> DesignControl* {
        for (std::int32_t i = 1; i <= w.ItemCount; ++i)
            if (w.ItemTable[i].ItemName == name && !w.ItemTable[i].Deleted)
                return w.itemControl(w.ItemTable[i]);
        return nullptr;
    };
    PromptScript none;
    QString first, second;
    {
        auto w = open();
        w->Toolbar2_ButtonClick("line");
        first = w->ItemTable[w->ItemCount].ItemName;
        w->Toolbar2_ButtonClick("line");
        second = w->ItemTable[w->ItemCount].ItemName;
        w->SaveInterface();
    }
    {
        auto w = open();
        DesignControl* line = lineNamed(*w, first);
        ASSERT_NE(line, nullptr);
        w->VBSelectControl(line);
        w->mnu_unDelete_Click();
        w->SaveInterface();
    }
    auto w = open();
    EXPECT_EQ(lineNamed(*w, first), nullptr);
    ASSERT_NE(lineNamed(*w, second), nullptr);
    w->Toolbar2_ButtonClick("line");
    EXPECT_EQ(w->ItemTable[w->ItemCount].ItemName, second);
    EXPECT_TRUE(none.prompts().empty());
}

std::string roundTripName(const ::testing::TestParamInfo<Param>& info) {
    return std::string(std::get<0>(info.param) == test::TestBackend::SQLite ? "SQLite"
                                                                            : "PostgreSQL") +
           "_" + windowtest::designerName(std::get<1>(info.param));
}

INSTANTIATE_TEST_SUITE_P(
    Backends, CommandsRoundTrip,
    ::testing::Combine(::testing::Values(test::TestBackend::SQLite, test::TestBackend::PostgreSQL),
                       ::testing::Values(DesignerKind::ItemEntry, DesignerKind::ItemSearch)),
    roundTripName);

}  // namespace
}  // namespace zelk
