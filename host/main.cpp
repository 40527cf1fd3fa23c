#include <QApplication>
#include <QTextStream>
#include <cstdio>

#include "host/hostprogram.h"
#include "platform/translations.h"

int main(int argc, char** argv) {
    // Without a display the program still runs, on Qt's offscreen platform.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("DISPLAY") &&
        qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QApplication::setApplicationName("zelk");
    // The standard dialogs speak the users' language, as in every program of the suite.
    zelk::LoadQtTranslations();
    QTextStream out(stdout);
    QTextStream err(stderr);
    return zelk::host::runHost(QApplication::arguments(), out, err);
}
