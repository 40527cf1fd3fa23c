#include <gtest/gtest.h>

#include <QApplication>
#include <QFileInfo>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>

#include "component/zelkmodule.h"
#include "dataaccess/demodata.h"
#include "dataaccess/dravix.h"
#include "designer/frm_zelk_jmsj.h"
#include "designer/frm_zelk_jssj.h"
#include "host/hostprogram.h"
#include "listdesigner/frm_zelk_lbsj.h"
#include "management/frm_zelk_ljgl.h"
#include "management/frm_zelk_main.h"
#include "management/suite/classtree.h"
#include "platform/promptscript.h"
#include "support/cuttexts.h"
#include "support/testdb.h"

// The host run in-process, as the program runs it, on a database of the test's own.

namespace zelk::test {
namespace {

struct HostRun {
    int code = -1;
    QString out;
    QString err;
};

HostRun runZelk(const QStringList& arguments) {
    HostRun run;
    QTextStream out(&run.out);
    QTextStream err(&run.err);
    run.code = host::runHost(QStringList{"zelk"} + arguments, out, err);
    return run;
}

int interfaceCount(std::int32_t hdbc) {
    return GetRecordsetCount(hdbc, "select id00 from indt");
}

// A database without interfaces gets the demo data; the item-search designer then opens
// through OACLS_IJSTer, whose help event the host prints.
class HostOnBackends : public BackendTest {};

TEST_P(HostOnBackends, DesignerSearchOpensTheItemSearchDesignerThroughItsClass) {
    ASSERT_EQ(interfaceCount(hdbc()), 0);
    PromptScript script;
    bool opened = false;
    script.onModal<frm_zelk_jssj>([&](frm_zelk_jssj& d) {
        opened = true;
        QTest::keyClick(&d, Qt::Key_F1);
        d.unload();
    });
    const HostRun run = runZelk({"--db", db().connectionString(), "--designer", "search"});
    EXPECT_EQ(run.code, host::kExitOk) << run.err.toStdString();
    EXPECT_TRUE(opened);
    EXPECT_EQ(run.out, "zelk: NeedHelp from Zelk.OACLS_IJSTer, id \"\"\n");
    EXPECT_GT(interfaceCount(hdbc()), 0);
}

ZELK_ON_BOTH_BACKENDS(HostOnBackends);

class Host : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(db_.ok()) << db_.error().toStdString();
        ASSERT_TRUE(loadDemoData(db_.hdbc(), &demo_));
    }
    QStringList withDb(const QStringList& arguments) const {
        return QStringList{"--db", db_.connectionString()} + arguments;
    }
    TestDb db_;
    DemoInterfaces demo_;
};

struct Opening {
    const char* label;
    QStringList arguments;
    bool (*isWindow)(Form&);
    const char* className;  // the class whose help event the host prints
    friend void PrintTo(const Opening& o, std::ostream* os) { *os << o.label; }
};

template <class W>
bool is(Form& f) {
    return dynamic_cast<W*>(&f) != nullptr;
}

class HostOpens : public Host, public ::testing::WithParamInterface<Opening> {};

// The window of the option, through its class; F1 in it is printed; the context is handed over.
TEST_P(HostOpens, TheWindowOfItsOption) {
    gSystemName.clear();
    gMainTable.clear();
    PromptScript script;
    bool right = false;
    script.onModal([&](Form& f) {
        right = GetParam().isWindow(f);
        QTest::keyClick(&f, Qt::Key_F1);
        f.unload();
    });
    const HostRun run = runZelk(withDb(GetParam().arguments));
    EXPECT_EQ(run.code, host::kExitOk) << run.err.toStdString();
    EXPECT_TRUE(right);
    EXPECT_EQ(run.out,
              QStringLiteral("zelk: NeedHelp from Zelk.%1, id \"\"\n").arg(GetParam().className));
    EXPECT_TRUE(run.err.isEmpty()) << run.err.toStdString();
    if (GetParam().isWindow == is<frm_zelk_main>) {
        EXPECT_EQ(gSystemName, "协同办公");
        EXPECT_EQ(gMainTable, "GWFJ");
    }
}

INSTANTIATE_TEST_SUITE_P(
    Options, HostOpens,
    ::testing::Values(
        Opening{"Main",
                {"--main", "--system", "协同办公", "--table", "GWFJ", "--user", "李华"},
                is<frm_zelk_main>,
                "OACLS_ZELK"},
        Opening{"Designer", {"--designer", "entry"}, is<frm_zelk_jmsj>, "OACLS_ISITer"},
        Opening{"ListBrowse", {"--list", "browse"}, is<frm_zelk_lbsj>, "OACLS_ILITer"}),
    [](const auto& info) { return std::string(info.param.label); });

// Standalone on the demo data, the main window opens large enough for every name and column,
// and the component has put Qt's own texts (the standard dialogs' buttons) into Chinese.
TEST_F(Host, MainStandaloneOpensInChineseShowingEveryNameAndColumn) {
    PromptScript script;
    bool shown = false;
    script.onModal<frm_zelk_main>([&](frm_zelk_main& window) {
        shown = true;
        QApplication::processEvents();
        const QSize screen = window.screen()->availableGeometry().size();
        ASSERT_TRUE(screen.width() >= 1200 && screen.height() >= 760)
            << "runs on the 1280 x 800 screen of tests/host/screen.json";
        EXPECT_GE(window.width(), 960);
        EXPECT_GE(window.height(), 640);
        EXPECT_LE(window.frameGeometry().width(), screen.width());
        EXPECT_LE(window.frameGeometry().height(), screen.height());
        ASSERT_TRUE(window.ljgl() && window.tree());
        EXPECT_GE(window.ljgl()->lvw_IM->Count(), 4);
        EXPECT_GT(window.TreeView1->topLevelItemCount(), 0);
        for (const QTreeView* view : std::initializer_list<const QTreeView*>{
                 window.TreeView1, window.tree()->view(), window.ljgl()->lvw_IM})
            EXPECT_EQ(cutTexts(*view), QStringList()) << view->metaObject()->className();
        window.unload();
    });
    const HostRun run = runZelk(withDb({"--main"}));
    EXPECT_EQ(run.code, host::kExitOk) << run.err.toStdString();
    EXPECT_TRUE(shown);
    EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "Cancel"), QStringLiteral("取消"));
}

TEST_F(Host, EmbedShowsTheMainWindowInItsOwnWindowAndEndsHeadless) {
    PromptScript script;  // nothing modal
    const HostRun run = runZelk(withDb({"--embed"}));
    EXPECT_EQ(run.code, host::kExitOk) << run.err.toStdString();
    EXPECT_EQ(run.out, "zelk: no display: the host window closes at once\n");
}

struct Refusal {
    const char* label;
    QStringList arguments;
    int code;
    const char* err;
    friend void PrintTo(const Refusal& r, std::ostream* os) { *os << r.label; }
};

class HostRefuses : public Host, public ::testing::WithParamInterface<Refusal> {};

// One line on stderr, nothing shown, nothing written.
TEST_P(HostRefuses, WithOneClearLineAndANonZeroExit) {
    const Refusal& r = GetParam();
    QTemporaryDir dir;
    const QString fresh = dir.filePath("fresh.db");
    const int before = interfaceCount(db_.hdbc());
    PromptScript script;
    QStringList arguments = r.arguments;
    arguments.replaceInStrings("$DB", db_.connectionString());
    arguments.replaceInStrings("$FRESH", fresh);
    const QString search = QString::number(demo_.itemSearch);
    arguments.replaceInStrings("$SEARCH", search);
    const HostRun run = runZelk(arguments);
    EXPECT_EQ(run.code, r.code);
    // Qt's own message, in Chinese once a component object has loaded Qt's translations.
    const QString unknown =
        QCoreApplication::translate("QCommandLineParser", "Unknown option '%1'.").arg("bogus");
    EXPECT_TRUE(run.err.startsWith(
        QString::fromUtf8(r.err).replace("$SEARCH", search).replace("$UNKNOWN", unknown)))
        << run.err.toStdString();
    EXPECT_TRUE(run.err.endsWith('\n') && run.err.count('\n') == 1) << run.err.toStdString();
    EXPECT_TRUE(run.out.isEmpty());
    EXPECT_FALSE(QFileInfo::exists(fresh));
    EXPECT_EQ(interfaceCount(db_.hdbc()), before);
}

constexpr int kUsage = host::kExitUsage, kFailed = host::kExitFailed;
INSTANTIATE_TEST_SUITE_P(
    Cases, HostRefuses,
    ::testing::Values(
        Refusal{"UnknownOption", {"--db", "$FRESH", "--bogus"}, kUsage, "zelk: $UNKNOWN"},
        Refusal{"NotANumber",
                {"--db", "$FRESH", "--designer", "entry", "x7"},
                kUsage,
                "zelk: \"x7\" is not an interface number"},
        Refusal{
            "NoDatabase", {"--db", "$FRESH/none/x.db"}, kFailed, "zelk: cannot open the database "},
        Refusal{"UnknownInterface",
                {"--db", "$DB", "--designer", "search", "99999"},
                kFailed,
                "zelk: there is no interface 99999"},
        Refusal{"OtherKind",
                {"--db", "$DB", "--list", "entry", "$SEARCH"},
                kFailed,
                "zelk: interface $SEARCH is a 检索条目, not a 录入列表"},
        Refusal{"NoDefault",
                {"--db", "$DB", "--list", "browse", "--class", "收文"},
                kFailed,
                "zelk: 协同办公 / GWGL / 收文 has no default 检索列表"}),
    [](const auto& info) { return std::string(info.param.label); });

}  // namespace
}  // namespace zelk::test
