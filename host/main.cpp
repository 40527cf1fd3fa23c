#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <cstdio>

#include "management/suite/suitecomponents.h"

#include "component/fixedfield.h"
#include "component/zelkmodule.h"
#include "dataaccess/demodata.h"
#include "dataaccess/dravix.h"

// The host program plays the suite's part: it opens the database (by default an embedded SQLite
// file in the user's data folder, made with the demo data on first use) and hands the connection
// to the component. The component's windows are still to come; until then it lists what the
// database holds for the chosen system.

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
    // Without a display the program still runs, on Qt's offscreen platform.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("DISPLAY") &&
        qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QApplication::setApplicationName("zelk");
    // The suite's outside components, served by our stand-ins.
    zelk::RegisterSuiteComponents();

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
    parser.addOptions({dbOption, systemOption, tableOption, classOption});
    parser.process(app);

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

    print("zelk: database " + connection);
    print("Interfaces of " + parser.value(systemOption) + " / " + parser.value(tableOption) +
          " / " + parser.value(classOption) + ":");
    zelk::INDTRecord row;
    const std::int32_t stmt = zelk::sysINDTPrepareGetData(
        hdbc, parser.value(systemOption), parser.value(tableOption), parser.value(classOption));
    while (stmt > 0 && zelk::sysINDTGetRecord(stmt, row) > 0) {
        const int kind = static_cast<int>(zelk::leadingNumber(zelk::fieldText(row.id05)));
        print(QString("  %1  %2  %3")
                  .arg(row.id00, 5)
                  .arg(zelk::GetInterfaceKindName(static_cast<std::int16_t>(kind)),
                       zelk::fieldText(row.id03)));
    }
    print("The designer and management windows are not built yet; nothing to show.");
    zelk::dbCloseConnection(hdbc);
    return 0;
}
