#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QImage>
#include <QScreen>
#include <QTemporaryDir>
#include <QWindow>
#include <cstdio>
#include <map>

#include "dataaccess/demodata.h"
#include "dataaccess/dravix.h"
#include "platform/folders.h"
#include "platform/translations.h"
#include "screenshots.h"

// Writes every registered window (or those named on the command line after the output folder) to
// a PNG, each on a fresh demo database. Exit code 1 when any picture could not be written.
// With --screen first, the pictures are taken from the X screen of DISPLAY instead.

namespace zelk::shots {
namespace {

std::map<QString, ShotFunction>& registry() {
    static std::map<QString, ShotFunction> shots;
    return shots;
}

void say(const QString& line) {
    std::fputs(line.toUtf8().constData(), stderr);
    std::fputc('\n', stderr);
}

}  // namespace

int registerShot(const char* name, ShotFunction shot) {
    registry()[QString::fromUtf8(name)] = std::move(shot);
    return 0;
}

bool ShotContext::save(QWidget* widget, const QString& name) {
    if (widget == nullptr) {
        ++failed;
        say("screenshots: " + name + ": no window");
        return false;
    }
    if (!widget->isVisible()) widget->show();
    QApplication::processEvents();
    QPixmap picture;
    QString file = name;
    if (fromScreen) {
        // A mapped window is painted after it is exposed.
        QElapsedTimer waited;
        waited.start();
        while (!(widget->windowHandle() && widget->windowHandle()->isExposed()) &&
               waited.elapsed() < 5000)
            QApplication::processEvents(QEventLoop::AllEvents, 50);
        for (int i = 0; i < 10; ++i) QApplication::processEvents(QEventLoop::AllEvents, 20);
        const QRect frame = widget->frameGeometry();
        picture = QGuiApplication::primaryScreen()->grabWindow(0, frame.x(), frame.y(),
                                                               frame.width(), frame.height());
        file += QStringLiteral("-screen");
    } else {
        picture = widget->grab();
    }
    const QString path = QDir(outputFolder).filePath(file + ".png");
    if (!picture.save(path)) {
        ++failed;
        say("screenshots: " + name + ": cannot write " + path);
        return false;
    }
    ++saved;
    say("screenshots: " + path);
    return true;
}

}  // namespace zelk::shots

int main(int argc, char** argv) {
    using namespace zelk::shots;
    const bool fromScreen = argc > 1 && qstrcmp(argv[1], "--screen") == 0;
    QTemporaryDir home;
    if (fromScreen) {
        qputenv("QT_QPA_PLATFORM", "xcb");
    } else if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) {
        // A laptop's screen rather than the offscreen default of 800 x 600, so that windows that
        // size themselves to the screen look as they do on a desk.
        QFile screen(home.filePath("screen.json"));
        if (screen.open(QIODevice::WriteOnly))
            screen.write(R"({"screens": [{"name": "laptop", "x": 0, "y": 0, "width": 1280,)"
                         R"( "height": 800, "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1}]})");
        qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + screen.fileName().toLocal8Bit());
    }
    zelk::UsePrivateUserFolders(home.path());
    QApplication app(argc, argv);
    zelk::LoadQtTranslations();

    const QStringList args = app.arguments().mid(fromScreen ? 2 : 1);
    const QString output = args.isEmpty() ? QStringLiteral("build/screenshots") : args.first();
    const QStringList only = args.mid(1);
    QDir().mkpath(output);

    int saved = 0;
    int failed = 0;
    int run = 0;
    for (const auto& [name, shot] : registry()) {
        if (!only.isEmpty() && !only.contains(name)) continue;
        ++run;
        ShotContext ctx;
        ctx.outputFolder = output;
        ctx.fromScreen = fromScreen;
        ctx.databasePath = home.filePath(name + ".db");
        QString error;
        ctx.hdbc = zelk::dbOpenConnection(ctx.databasePath, &error);
        if (ctx.hdbc <= 0 || !zelk::loadDemoData(ctx.hdbc)) {
            say("screenshots: " + name + ": no demo database: " + error);
            ++failed;
            continue;
        }
        shot(ctx);
        zelk::dbCloseConnection(ctx.hdbc);
        if (ctx.saved == 0 && ctx.failed == 0) {
            say("screenshots: " + name + ": wrote nothing");
            ++ctx.failed;
        }
        saved += ctx.saved;
        failed += ctx.failed;
    }
    say(QString("screenshots: %1 windows, %2 pictures written, %3 failed")
            .arg(run)
            .arg(saved)
            .arg(failed));
    return failed == 0 ? 0 : 1;
}
