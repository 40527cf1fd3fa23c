// Saving and closing both designers, on SQLite and on PostgreSQL: the toolbar save, the three
// close paths, and saves that fail and keep the window open.

#include "component/fixedfield.h"
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
        if (backend() == test::TestBackend::PostgreSQL && !test::TestDb::postgresAvailable())
            GTEST_SKIP() << test::TestDb::postgresSkipReason().toStdString();
        db_ = std::make_unique<test::TestDb>(backend(), true);
        ASSERT_TRUE(db_->ok()) << db_->error().toStdString();
        fid = windowtest::demoInterface(kind(), hdbc());
        ASSERT_GT(fid, 0);
    }
    test::TestBackend backend() const { return std::get<0>(GetParam()); }
    DesignerKind kind() const { return std::get<1>(GetParam()); }
    std::int32_t hdbc() const { return db_->hdbc(); }
    QString version() const {
        return TrimFixedField(fieldText(windowtest::interfaceRow(hdbc(), fid).id08));
    }
    std::unique_ptr<DesignerBase> open() {
        auto w = windowtest::makeDesigner(kind());
        w->init(hdbc(), fid);
        return w;
    }
    // The item-entry designer asks about its companions before each save.
    void expectSyncQuestion(PromptScript& script) {
        if (kind() == DesignerKind::ItemEntry)
            script.onModal<frm_zelk_xgti>([](frm_zelk_xgti& d) { d.CancelButton_Click(); });
    }
    void breakItemTable() {
        const QString table = kind() == DesignerKind::ItemEntry ? "isit" : "ijst";
        ASSERT_GE(ExecSQL(hdbc(), "drop table " + table), 0);
    }
    std::int32_t fid = 0;

  private:
    std::unique_ptr<test::TestDb> db_;
};

const QString kQuestion = QStringLiteral("界面设计器即将退出,是否保存界面所做的修改?");
const QString kCannotSave = QStringLiteral("界面数据不能保存！");

TEST_P(DesignerClose, ToolbarSaveStoresTheInterfaceAndClearsModified) {
    auto w = open();
    w->DesignModified = true;
    // The interface keeps the background layer's size and colour.
    w->PictureTest->Move(0, 0, 12000, 8000);
    w->PictureTest->setBackColor(255);
    const QString before = version();
    PromptScript script;
    expectSyncQuestion(script);
    w->Toolbar1->Click("save");
    EXPECT_FALSE(w->DesignModified);
    EXPECT_EQ(version().toInt(), before.toInt() + 1);
    const INDTRecord stored = windowtest::interfaceRow(hdbc(), fid);
    EXPECT_EQ(TrimFixedField(fieldText(stored.id13)), QStringLiteral("12000"));
    EXPECT_EQ(TrimFixedField(fieldText(stored.id14)), QStringLiteral("8000"));
    EXPECT_EQ(TrimFixedField(fieldText(stored.id12)), QStringLiteral("255"));
    EXPECT_TRUE(w->unload());  // nothing left to ask
}

TEST_P(DesignerClose, NoClosesWithoutSavingYesSavesThenCloses) {
    for (const int answer : {vbNo, vbYes}) {
        auto w = open();
        w->DesignModified = true;
        const QString before = version();
        PromptScript script;
        script.answer(answer);
        if (answer == vbYes) expectSyncQuestion(script);
        EXPECT_TRUE(w->unload());
        EXPECT_FALSE(w->isLoaded());
        EXPECT_EQ(script.prompts()[0].text, kQuestion);
        EXPECT_EQ(script.prompts()[0].style, vbYesNo + vbQuestion);
        EXPECT_EQ(script.prompts()[0].title, QStringLiteral("系统提示"));
        EXPECT_EQ(version().toInt(), before.toInt() + (answer == vbYes ? 1 : 0));
    }
    // Unmodified: no question at all.
    auto w = open();
    PromptScript none;
    EXPECT_TRUE(w->unload());
    EXPECT_TRUE(none.prompts().empty());
}

TEST_P(DesignerClose, AFailedSaveOnCloseKeepsTheWindowOpenAndModified) {
    auto w = open();
    w->DesignModified = true;
    const QString before = version();
    breakItemTable();
    PromptScript script;
    script.answer(vbYes);
    expectSyncQuestion(script);
    script.answer(vbOK);
    EXPECT_FALSE(w->unload());
    EXPECT_TRUE(w->isLoaded());
    EXPECT_TRUE(w->DesignModified);
    EXPECT_EQ(script.prompts().back().text, kCannotSave);
    EXPECT_EQ(version(), before);  // rolled back
    script.finish();
    // No discards the changes and closes.
    PromptScript discard;
    discard.answer(vbNo);
    EXPECT_TRUE(w->unload());
}

TEST_P(DesignerClose, ARefusedTransactionFailsTheSaveAndWritesNothing) {
    if (backend() != test::TestBackend::SQLite) GTEST_SKIP() << "held on the SQLite connection";
    auto w = open();
    w->DesignModified = true;
    const QString before = version();
    // A transaction the library did not start: its own begin is refused.
    ASSERT_GE(ExecSQL(hdbc(), "begin"), 0);
    PromptScript script;
    expectSyncQuestion(script);
    script.answer(vbOK);
    w->Toolbar1_ButtonClick("save");
    ASSERT_GE(ExecSQL(hdbc(), "rollback"), 0);
    EXPECT_EQ(script.prompts().back().text, kCannotSave);
    EXPECT_TRUE(w->DesignModified);
    EXPECT_EQ(version(), before);
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
