// Saving and closing both designers, on SQLite and on PostgreSQL: the toolbar save, the three
// close paths, and saves that fail and keep the window open.

#include "designer/frm_zelk_xgti.h"
#include "designerwindow_support.h"
#include "platform/promptscript.h"

namespace zelk {
namespace {

using Param = std::tuple<test::TestBackend, DesignerKind>;

class DesignerClose : public ::testing::TestWithParam<Param> {
  protected:
    void SetUp() override {
        windowtest::clearSettings();
        ZELK_SKIP_WITHOUT_SERVER(backend());
        db_ = std::make_unique<test::TestDb>(backend(), true);
        ASSERT_TRUE(db_->ok()) << db_->error().toStdString();
        fid = windowtest::demoInterface(kind(), hdbc());
        ASSERT_GT(fid, 0);
    }
    test::TestBackend backend() const { return std::get<0>(GetParam()); }
    DesignerKind kind() const { return std::get<1>(GetParam()); }
    std::int32_t hdbc() const { return db_->hdbc(); }
    template <std::size_t N>
    QString stored(std::array<char, N> INDTRecord::*member) const {
        return TrimFixedField(fieldText(windowtest::interfaceRow(hdbc(), fid).*member));
    }
    int version() const { return stored(&INDTRecord::id08).toInt(); }
    // A modified window; the item-entry designer asks about its companions before each save.
    std::unique_ptr<DesignerBase> openModified(PromptScript& script, int closeAnswer = 0) {
        auto w = windowtest::makeDesigner(kind());
        w->init(hdbc(), fid);
        w->DesignModified = true;
        if (closeAnswer) script.answer(closeAnswer);
        if (kind() == DesignerKind::ItemEntry && closeAnswer != vbNo)
            script.onModal<frm_zelk_xgti>([](frm_zelk_xgti& d) { d.CancelButton_Click(); });
        return w;
    }
    std::int32_t fid = 0;

  private:
    std::unique_ptr<test::TestDb> db_;
};

TEST_P(DesignerClose, ToolbarSaveStoresTheInterfaceAndClearsModified) {
    const int before = version();
    PromptScript script;
    auto w = openModified(script);
    // The interface keeps the background layer's size and colour.
    w->PictureTest->Move(0, 0, 12000, 8000);
    w->PictureTest->setBackColor(255);
    w->Toolbar1->Click("save");
    EXPECT_FALSE(w->DesignModified);
    EXPECT_EQ(version(), before + 1);
    EXPECT_EQ(stored(&INDTRecord::id13), QStringLiteral("12000"));
    EXPECT_EQ(stored(&INDTRecord::id14), QStringLiteral("8000"));
    EXPECT_EQ(stored(&INDTRecord::id12), QStringLiteral("255"));
    // The window holds the row as stored, so that the next save raises the version again.
    EXPECT_EQ(toWire(w->InterfaceRow), toWire(windowtest::interfaceRow(hdbc(), fid)));
    EXPECT_TRUE(w->unload());  // nothing left to ask
}

TEST_P(DesignerClose, NoClosesWithoutSavingYesSavesThenCloses) {
    for (const int answer : {vbNo, vbYes}) {
        const int before = version();
        PromptScript script;
        auto w = openModified(script, answer);
        EXPECT_TRUE(w->unload());
        EXPECT_FALSE(w->isLoaded());
        EXPECT_EQ(script.prompts()[0].text,
                  QStringLiteral("界面设计器即将退出,是否保存界面所做的修改?"));
        EXPECT_EQ(script.prompts()[0].style, vbYesNo + vbQuestion);
        EXPECT_EQ(script.prompts()[0].title, QStringLiteral("系统提示"));
        EXPECT_EQ(version(), before + (answer == vbYes ? 1 : 0));
    }
    // Unmodified: no question at all.
    auto w = windowtest::makeDesigner(kind());
    w->init(hdbc(), fid);
    PromptScript none;
    EXPECT_TRUE(w->unload());
    EXPECT_TRUE(none.prompts().empty());
}

// A broken item table, or a transaction the library did not start (its own begin is refused,
// held on the SQLite connection): the save on close fails, writes nothing, the window stays.
TEST_P(DesignerClose, AFailedSaveOnCloseKeepsTheWindowOpenAndModified) {
    for (const bool heldTransaction : {true, false}) {
        if (heldTransaction && backend() != test::TestBackend::SQLite) continue;
        const int before = version();
        PromptScript script;
        auto w = openModified(script, vbYes);
        script.answer(vbOK);
        const QString breakSave =
            heldTransaction ? QString("begin") : "drop table " + windowtest::itemTable(kind());
        ASSERT_GE(ExecSQL(hdbc(), breakSave), 0);
        EXPECT_FALSE(w->unload());
        if (heldTransaction) {
            ASSERT_GE(ExecSQL(hdbc(), "rollback"), 0);
        }
        EXPECT_TRUE(w->isLoaded());
        EXPECT_TRUE(w->DesignModified);
        EXPECT_EQ(script.prompts().back().text, QStringLiteral("界面数据不能保存！"));
        EXPECT_EQ(version(), before);  // rolled back
        script.finish();
        // No discards the changes and closes.
        PromptScript discard;
        discard.answer(vbNo);
        EXPECT_TRUE(w->unload());
    }
}

std::string closeName(const ::testing::TestParamInfo<Param>& info) {
    return std::string(std::get<0>(info.param) == test::TestBackend::SQLite ? "SQLite"
                                                                            : "PostgreSQL") +
           windowtest::designerName(std::get<1>(info.param));
}

INSTANTIATE_TEST_SUITE_P(
    Backends, DesignerClose,
    ::testing::Combine(::testing::Values(test::TestBackend::SQLite, test::TestBackend::PostgreSQL),
                       ::testing::Values(DesignerKind::ItemEntry, DesignerKind::ItemSearch)),
    closeName);

}  // namespace
}  // namespace zelk
