#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <cstdio>

#include "component/fixedfield.h"
#include "component/zelkmodule.h"
#include "dataaccess/demodata.h"
#include "dataaccess/dravix.h"
#include "designer/showdesigner.h"

// The host program plays the suite's part: it opens the database (by default an embedded SQLite
// file in the user's data folder, made with the demo data on first use) and hands the connection
// to the component. Until the main window exists it opens one designer: "--designer entry" (the
// default) or "--designer search", on the class's default interface of that kind or on the
// interface number given after it.

namespace {

void print(const QString& line) {
    std::fputs(line.toUtf8().constData(), stdout);
    std::fputc('\n', stdout);
}

QString defaultDatabase() {
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    QDir().mkpath(folder);
    return folder + "/zelk.db";
}

}  // namespace

int main(int argc, char** argv) {
    // A window needs a display; without one the program says so before Qt would fail.
    const bool noDisplay =
        qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
    if (noDisplay && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QApplication::setApplicationName("zelk");

    QCommandLineParser parser;
    parser.setApplicationDescription("Interface maintenance of the suite's data classes.");
    parser.addHelpOption();
    QCommandLineOption dbOption("db",
                                "Database: a SQLite file path, sqlite:PATH or "
                                "postgresql://user@host:port/db.",
                                "connection");
    QCommandLineOption systemOption("system", "System name.", "name", zelk::demo::kSystem);
    QCommandLineOption tableOption("table", "Main table.", "name", zelk::demo::kMainTable);
    QCommandLineOption classOption("class", "Class name.", "name", zelk::demo::kClass);
    QCommandLineOption designerOption(
        "designer", "Opens a designer: entry or search (the default: entry).", "kind", "entry");
    parser.addOptions({dbOption, systemOption, tableOption, classOption, designerOption});
    parser.addPositionalArgument("FID", "Interface number (default: the class's default).",
                                 "[FID]");
    parser.process(app);

    const QString kindName = parser.value(designerOption);
    if (kindName != "entry" && kindName != "search") {
        print("zelk: --designer takes entry or search, not " + kindName);
        return 2;
    }
    const zelk::DesignerKind kind =
        kindName == "search" ? zelk::DesignerKind::ItemSearch : zelk::DesignerKind::ItemEntry;
    if (QGuiApplication::platformName() == "offscreen" && noDisplay) {
        print("zelk: no display (DISPLAY or WAYLAND_DISPLAY is not set); the designer needs one.");
        return 1;
    }

    const QString connection = parser.isSet(dbOption) ? parser.value(dbOption) : defaultDatabase();
    const bool fresh =
        !connection.contains("://") &&
        !QFileInfo::exists(connection.startsWith("sqlite:") ? connection.mid(7) : connection);
    QString error;
    const std::int32_t hdbc = zelk::dbOpenConnection(connection, &error);
    if (hdbc <= 0) {
        print("zelk: cannot open the database " + connection + ": " + error);
        return 1;
    }
    if (fresh && !zelk::loadDemoData(hdbc)) {
        print("zelk: the demo data could not be loaded into " + connection);
        zelk::dbCloseConnection(hdbc);
        return 1;
    }

    zelk::gSystemName = parser.value(systemOption);
    zelk::gMainTable = parser.value(tableOption);
    std::int32_t fid = 0;
    if (!parser.positionalArguments().isEmpty()) {
        bool ok = false;
        fid = parser.positionalArguments().first().toInt(&ok);
        if (!ok) {
            print("zelk: FID must be an interface number, not " +
                  parser.positionalArguments().first());
            zelk::dbCloseConnection(hdbc);
            return 2;
        }
    } else {
        fid = zelk::defaultInterfaceNumber(kind, hdbc, zelk::gSystemName, zelk::gMainTable,
                                           parser.value(classOption));
    }
    zelk::ShowDesignerWindow(kind, hdbc, fid, nullptr,
                             [](QString&) { print("zelk: help was asked for (F1)"); });
    zelk::dbCloseConnection(hdbc);
    return 0;
}
