#include <benchmark/benchmark.h>
#include <QApplication>
#include <QTemporaryDir>

#include "platform/folders.h"

int main(int argc, char** argv) {
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    // The windows opened here save settings (the designers' tip counter): never the user's own.
    QTemporaryDir home;
    zelk::UsePrivateUserFolders(home.path());
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
