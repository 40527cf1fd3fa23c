#include <xcb/xcb.h>
#include <QStandardPaths>

#include "realwindow_support.h"

namespace {

// The real-window tests run on the X server named by ZELK_TEST_DISPLAY (never on the user's own
// display); without one they run offscreen and every case skips with the reason.
void chooseServer() {
    const QByteArray display = qgetenv("ZELK_TEST_DISPLAY");
    QString& missing = zelk::realwindow::missingServer;
    if (display.isEmpty()) {
        missing =
            QStringLiteral("ZELK_TEST_DISPLAY names no X server (scripts/run-tests starts Xvfb)");
    } else {
        xcb_connection_t* connection = xcb_connect(display.constData(), nullptr);
        if (xcb_connection_has_error(connection))
            missing = QStringLiteral("cannot connect to the X server %1")
                          .arg(QString::fromLocal8Bit(display));
        xcb_disconnect(connection);
        if (missing.isEmpty() &&
            QStandardPaths::findExecutable(QStringLiteral("xdotool")).isEmpty())
            missing = QStringLiteral("xdotool is not installed (scripts/install-deps installs it)");
    }
    if (missing.isEmpty()) qputenv("DISPLAY", display);
    qputenv("QT_QPA_PLATFORM", missing.isEmpty() ? "xcb" : "offscreen");
}

}  // namespace

#define ZELK_TEST_PLATFORM chooseServer
#include "test_main.cpp"
