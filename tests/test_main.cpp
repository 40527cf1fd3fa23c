#include <gtest/gtest.h>
#include <QApplication>
#include <QDir>
#include <QTemporaryDir>

#include "platform/prompts.h"

// Every test program runs headless and never touches the user's own settings or runtime folder.
int main(int argc, char** argv) {
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QTemporaryDir home;
    const QByteArray base = home.path().toLocal8Bit();
    QDir().mkpath(home.path() + "/runtime");
    QDir().mkpath(home.path() + "/config");
    QDir().mkpath(home.path() + "/data");
    QFile::setPermissions(home.path() + "/runtime",
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    qputenv("XDG_RUNTIME_DIR", base + "/runtime");
    qputenv("XDG_CONFIG_HOME", base + "/config");
    qputenv("XDG_DATA_HOME", base + "/data");
    QApplication app(argc, argv);
    // Unexpected prompts, unused script answers and modal windows left open fail the test.
    zelk::setPromptFailureHandler([](const QString& m) { ADD_FAILURE() << m.toStdString(); });
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
