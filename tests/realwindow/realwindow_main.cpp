#include <gtest/gtest.h>
#include <xcb/xcb.h>
#include <QApplication>
#include <QStandardPaths>
#include <QTemporaryDir>

#include "platform/folders.h"
#include "platform/prompts.h"
#include "realwindow_support.h"

// The real-window tests run on the X server named by ZELK_TEST_DISPLAY (never on the user's own
// display); without one they run offscreen and every case skips with the reason.
int main(int argc, char** argv) {
    const QByteArray display = qgetenv("ZELK_TEST_DISPLAY");
    QString missing;
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
    if (missing.isEmpty()) {
        qputenv("DISPLAY", display);
        qputenv("QT_QPA_PLATFORM", "xcb");
    } else {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    zelk::realwindow::setMissingServer(missing);
    QTemporaryDir home;
    zelk::UsePrivateUserFolders(home.path());
    QApplication app(argc, argv);
    zelk::setPromptFailureHandler([](const QString& m) { ADD_FAILURE() << m.toStdString(); });
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
