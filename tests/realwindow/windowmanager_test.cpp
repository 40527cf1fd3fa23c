// The designers under a window manager (openbox, started by the test runner): a selection leaves
// no window of its own that the manager would frame, so after the designer is closed by its close
// box the main window takes clicks at once.

#include <QSignalSpy>

#include "designer_fixture.h"
#include "management/frm_zelk_ljgl.h"
#include "management/frm_zelk_main.h"

namespace zelk::realwindow {
namespace {

class WindowManager : public RealDesigner {
  protected:
    void SetUp() override {
        ZELK_SKIP_WITHOUT_X_SERVER();
        if (qEnvironmentVariableIsEmpty("ZELK_TEST_WM"))
            GTEST_SKIP() << "no window manager runs on the X server (scripts/run-tests starts "
                            "openbox for these cases)";
        RealDesigner::SetUp();
    }
    // The close box of a framed window: the rightmost button of its title bar.
    static QPoint closeBox(const QWidget* window) {
        const QRect frame = window->frameGeometry();
        const int title = window->geometry().top() - frame.top();
        return {frame.right() - title / 2, frame.top() + title / 2};
    }
};

TEST_P(WindowManager, AfterClosingTheDesignerByItsCloseBoxTheMainWindowTakesClicks) {
    frm_zelk_main main;
    main.init(hdbc(), demo::kSystem, demo::kMainTable, demo::kClass, demo::kAdminUser);
    ASSERT_TRUE(main.ljgl());
    main.ljgl()->PopupMenu = [](QMenu*) {};
    // The click itself is what is looked for, not the command behind it.
    QObject::disconnect(main.tlb_IM, &KeyedToolbar::ButtonClick, &main, nullptr);
    QSignalSpy clicks(main.tlb_IM, &KeyedToolbar::ButtonClick);
    main.setGeometry(60, 60, 900, 600);
    main.show();
    ASSERT_TRUE(activate(&main));
    // The designer opens modally over the main window, as the manager opens it.
    runModal(
        [&] {
            ASSERT_LT(w->frameGeometry().top(), w->geometry().top()) << "no title bar";
            select(box(QStringLiteral("文号")));
            input.clickScreen(closeBox(w.get()));
            EXPECT_TRUE(waitUntil([&] { return !w->isVisible(); }));
        },
        QRect(200, 120, 1200, 800));

    QWidget* button = main.tlb_IM->widgetForAction(main.tlb_IM->Button("tb_prop")->action());
    input.click(button, button->rect().center());
    EXPECT_TRUE(waitUntil([&] { return clicks.count() == 1; }));
}

ZELK_ON_BOTH_DESIGNERS(WindowManager);

}  // namespace
}  // namespace zelk::realwindow
