#include <gtest/gtest.h>
#include <QApplication>
#include <QTemporaryDir>

#include "platform/folders.h"
#include "platform/prompts.h"

// Every test program runs headless (unless it names its own choice of platform in
// ZELK_TEST_PLATFORM) and never touches the user's own settings or runtime folder.
int main(int argc, char** argv) {
#ifdef ZELK_TEST_PLATFORM
    ZELK_TEST_PLATFORM();
#else
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
#endif
    QTemporaryDir home;
    zelk::UsePrivateUserFolders(home.path());
    QApplication app(argc, argv);
    // Unexpected prompts, unused script answers and modal windows left open fail the test.
    zelk::setPromptFailureHandler([](const QString& m) { ADD_FAILURE() << m.toStdString(); });
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
