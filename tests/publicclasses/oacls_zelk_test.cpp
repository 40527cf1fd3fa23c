#include <gtest/gtest.h>

#include <QApplication>
#include <QLineEdit>
#include <QPointer>
#include <QTest>

#include "component/zelkmodule.h"
#include "management/frm_zelk_ljgl.h"
#include "management/frm_zelk_main.h"
#include "platform/promptscript.h"
#include "publicclasses/oacls_zelk.h"
#include "publicclasses_fixture.h"

namespace zelk::test {
namespace {

class ZelkClass : public PublicClassesTest {
  protected:
    void SetUp() override {
        PublicClassesTest::SetUp();
        object_ = create(kProgIdOACLS_ZELK);
    }
    frm_zelk_main& window() { return *as<OACLS_ZELK>(object_).mainWindow(); }
    // Active, Enabled, Visible and ischild, as the host reads them.
    std::vector<bool> flags() {
        return {object_->get(u"Active").toBool(), object_->get(u"Enabled").toBool(),
                object_->get(u"Visible").toBool(), object_->get(u"ischild").toBool()};
    }
    // A window of the host's own, shown and active.
    static std::unique_ptr<QWidget> hostWindow() {
        auto host = std::make_unique<QWidget>();
        host->resize(640, 480);
        host->show();
        QApplication::setActiveWindow(host.get());
        host->setFocus();
        return host;
    }
    void showIn(QWidget& host) {
        object_->call(u"show", {false, static_cast<std::int32_t>(host.winId())});
    }

    std::shared_ptr<Dispatch> object_;
};

TEST_F(ZelkClass, ModalShowReturnsAfterTheWindowClosedThenTheFlagsReadTrue) {
    object_->put(u"ischild", true);
    std::vector<bool> during;
    PromptScript script;
    script.onModal<frm_zelk_main>([&](frm_zelk_main& w) {
        during = flags();
        w.unload();
    });
    object_->call(u"show", {true, std::int32_t{0}});
    EXPECT_EQ(during, (std::vector<bool>{false, false, false, false}));
    EXPECT_EQ(flags(), (std::vector<bool>{true, true, true, false}));
    EXPECT_FALSE(window().isVisible());
}

TEST_F(ZelkClass, ShowInAHostWindowMakesABorderlessChildAndTheHostKeepsTheFocus) {
    const auto host = hostWindow();
    frm_zelk_main& w = window();
    new QLineEdit(w.SSSplitter1);  // a control that would take the focus when the window shows
    showIn(*host);
    EXPECT_EQ(w.parentWidget(), host.get());
    EXPECT_FALSE(w.isWindow());
    EXPECT_TRUE(w.isVisible());
    EXPECT_EQ(QApplication::focusWidget(), host.get());
    EXPECT_EQ(flags(), (std::vector<bool>{true, true, true, true}));

    // Writing Visible or calling TypeChanged leaves the window as it is.
    object_->put(u"Visible", false);
    object_->call(u"TypeChanged", {"GWFJ", "发文/上行文"});
    EXPECT_TRUE(w.isVisible());
    EXPECT_EQ(w.parentWidget(), host.get());
    EXPECT_EQ(flags(), (std::vector<bool>{true, true, false, true}));

    object_->call(u"parentResize", {6000.0f, 4500.0f});
    EXPECT_EQ((std::array{w.leftTwips(), w.topTwips(), w.widthTwips(), w.heightTwips()}),
              (std::array{0.0, 0.0, 6000.0, 4500.0}));

    object_->put(u"Visible", true);
    object_->call(u"hide");
    EXPECT_FALSE(w.isVisible());
    EXPECT_EQ(flags(), (std::vector<bool>{false, true, false, true}));
}

// Fault mended: a handle that names no window is refused; nothing is stripped or shown.
TEST_F(ZelkClass, ShowIntoAnUnknownWindowFailsAndChangesNothing) {
    object_->put(u"Enabled", true);
    std::vector<Variant> args{false, std::int32_t{987654}};
    ExcepInfo excep;
    int argErr = -1;
    EXPECT_EQ(object_->invoke(OACLS_ZELK::kShow, kInvokeMethod, args, nullptr, &excep, &argErr),
              HResult::InvalidArg);
    EXPECT_EQ(argErr, 1);
    EXPECT_EQ(flags(), (std::vector<bool>{false, true, false, false}));
    EXPECT_TRUE(window().isWindow());
    EXPECT_FALSE(window().isVisible());
}

TEST_F(ZelkClass, InitAndReportPathReachTheMainWindow) {
    gSystemName.clear();
    gMainTable.clear();
    std::vector<Variant> context{hdbc(), "协同办公", "GWGL", "发文", "张明"};
    const std::vector<Variant> given = context;
    object_->call(u"init", context);
    EXPECT_EQ(gSystemName, "协同办公");
    EXPECT_EQ(gMainTable, "GWGL");  // the main window took the third value as its main table
    EXPECT_EQ(window().ClassName(), "发文");
    EXPECT_EQ(context, given);
    object_->call(u"SetReportPath", {"/srv/oa/report"});
    EXPECT_EQ(window().ljgl()->ReportPath, "/srv/oa/report");
}

// Fault mended: inside a host window the manager's lists fitted their columns to what they
// listed. Embedded they keep their own widths through every reload, class and table.
TEST_F(ZelkClass, ShownInAHostWindowTheListsKeepTheirColumnWidths) {
    std::vector<Variant> context{hdbc(), demo::kSystem, demo::kMainTable, demo::kClass,
                                 demo::kAdminUser};
    object_->call(u"init", context);
    const auto host = hostWindow();
    showIn(*host);
    object_->call(u"parentResize", {12000.0f, 8000.0f});
    const auto widths = [](const ReportView* list) {
        std::vector<double> all;
        for (int i = 1; i <= list->ColumnCount(); ++i) all.push_back(list->Column(i)->Width());
        return all;
    };
    const double unit = 6375.0 / 33;
    const std::vector<double> interfaces{10 * unit, 10 * unit, 5 * unit, 5 * unit, 3 * unit};
    const auto expectLaidOut = [&](const char* after) {
        frm_zelk_ljgl& m = *window().ljgl();
        ASSERT_GT(m.lvw_IM->Count(), 0) << after;
        EXPECT_EQ(widths(m.lvw_IM), interfaces) << after;
        m.lvw_IM->SetSelectedItem(m.lvw_IM->Item(1));
        ASSERT_GT(m.lvw_IT->Count(), 0) << after;
        EXPECT_EQ(widths(m.lvw_IT), (std::vector<double>{3000, 0, 0})) << after;
    };
    expectLaidOut("show");
    window().TypeChanged(demo::kMainTable, demo::kSubClass);
    window().TypeChanged(demo::kMainTable, demo::kClass);
    expectLaidOut("class change");
    window().ljgl()->RefreshInterface();
    expectLaidOut("refresh");
}

TEST_F(ZelkClass, F1InTheMainWindowReachesTheHostOnceAndItsAnswerComesBack) {
    const auto ids = recordHelp(*object_, "topic-7");
    QStringList seenByWindow;
    PromptScript script;
    script.onModal<frm_zelk_main>([&](frm_zelk_main& w) {
        QObject::connect(&w, &Form::NeedHelp, &w, [&](QString& id) { seenByWindow << id; });
        QTest::keyClick(w.SSSplitter1, Qt::Key_F1);
        w.unload();
    });
    object_->call(u"show", {true, std::int32_t{0}});
    EXPECT_EQ(*ids, QStringList{""});
    EXPECT_EQ(seenByWindow, QStringList{"topic-7"});
}

TEST_F(ZelkClass, ReleasingTheLastObjectUnloadsTheMainWindowAndLetsTheComponentGo) {
    const auto host = hostWindow();
    showIn(*host);
    QPointer<frm_zelk_main> w = &window();
    auto designer = create(kProgIdOACLS_IJSTer);
    EXPECT_EQ(DllCanUnloadNow(), HResult::False);
    object_.reset();
    EXPECT_TRUE(w.isNull());
    EXPECT_EQ(DllCanUnloadNow(), HResult::False);
    designer.reset();
    EXPECT_EQ(DllCanUnloadNow(), HResult::Ok);
}

// A host window that goes first takes the main window with it; the class then refuses calls.
TEST_F(ZelkClass, CallsAfterTheHostWindowTookTheMainWindowFail) {
    auto host = hostWindow();
    showIn(*host);
    host.reset();
    try {
        object_->call(u"hide");
        ADD_FAILURE() << "hide succeeded";
    } catch (const AutomationError& e) {
        EXPECT_EQ(e.code(), HResult::Unexpected);
    }
    object_.reset();
    EXPECT_EQ(DllCanUnloadNow(), HResult::Ok);
}

}  // namespace
}  // namespace zelk::test
