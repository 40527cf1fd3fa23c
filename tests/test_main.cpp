#include <gtest/gtest.h>
#include <QApplication>
#include <QDir>
#include <QTemporaryDir>

#include "platform/folders.h"
#include "platform/prompts.h"

// Every test program runs headless and never touches the user's own settings or runtime folder.
int main(int argc, char** argv) {
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QTemporaryDir home;
    zelk::UsePrivateUserFolders(home.path());
    QApplication app(argc, argv);
    // Unexpected prompts, unused script answers and modal windows left open fail the test.
    zelk::setPromptFailureHandler([](const QString& m) { ADD_FAILURE() << m.toStdString(); });
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
