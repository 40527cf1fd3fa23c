#include "host/hostprogram.h"

#include <QCommandLineParser>
#include <QDir>
#include <QEventLoop>
#include <QGuiApplication>
#include <QStandardPaths>
#include <cstdint>
#include <memory>
#include <optional>

#include "component/fixedfield.h"
#include "component/zelkmodule.h"
#include "dataaccess/demodata.h"
#include "dataaccess/dravix.h"
#include "host/hostwindow.h"
#include "platform/automation/events.h"
#include "platform/automation/server.h"
#include "platform/twips.h"
#include "publicclasses/registration.h"

namespace zelk::host {

namespace {

enum class Mode { Main, Designer, List, Embed };

struct Options {
    Mode mode = Mode::Designer;
    QString kind = QStringLiteral("entry");
    std::int32_t fid = 0;  // 0: the class's default interface of the kind
    QString connection;
    QString system;
    QString table;
    QString className;
    QString user;
};

// A line for the person who started the host, with "zelk: " before it.
void say(QTextStream& stream, const QString& line) {
    stream << "zelk: " << line << '\n';
    stream.flush();
}

QString defaultDatabase() {
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    QDir().mkpath(folder);
    return folder + QStringLiteral("/zelk.db");
}

bool headless() {
    const QString platform = QGuiApplication::platformName();
    return platform == QLatin1String("offscreen") || platform == QLatin1String("minimal");
}

// Reads the command line; nullopt with `error` filled when it is not one the host takes.
std::optional<Options> parseOptions(const QStringList& arguments, QString& error, bool& help,
                                    QString& helpText) {
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Interface maintenance of the suite's data classes."));
    const QCommandLineOption helpOption(QStringList{QStringLiteral("h"), QStringLiteral("help")},
                                        QStringLiteral("Shows this help."));
    const QCommandLineOption db(QStringLiteral("db"),
                                QStringLiteral("Database: a SQLite file path, sqlite:PATH or "
                                               "postgresql://user@host:port/db."),
                                QStringLiteral("connection"));
    const QCommandLineOption system(QStringLiteral("system"), QStringLiteral("System name."),
                                    QStringLiteral("name"), demo::kSystem);
    const QCommandLineOption table(QStringLiteral("table"), QStringLiteral("Main table."),
                                   QStringLiteral("name"), demo::kMainTable);
    const QCommandLineOption cls(QStringLiteral("class"), QStringLiteral("Class name."),
                                 QStringLiteral("name"), demo::kClass);
    const QCommandLineOption user(QStringLiteral("user"), QStringLiteral("User name."),
                                  QStringLiteral("name"), demo::kAdminUser);
    const QCommandLineOption main(QStringLiteral("main"),
                                  QStringLiteral("Shows the main window modally."));
    const QCommandLineOption designer(
        QStringLiteral("designer"),
        QStringLiteral("Opens the item-entry or item-search form designer (the default: entry)."),
        QStringLiteral("entry|search"));
    const QCommandLineOption list(QStringLiteral("list"),
                                  QStringLiteral("Opens the list designer on a list-entry list or "
                                                 "a browse list."),
                                  QStringLiteral("entry|browse"));
    const QCommandLineOption embed(QStringLiteral("embed"),
                                   QStringLiteral("Shows the main window inside a host window."));
    parser.addOptions({helpOption, db, system, table, cls, user, main, designer, list, embed});
    parser.addPositionalArgument(
        QStringLiteral("FID"),
        QStringLiteral("Interface number for --designer or --list (default: the class's "
                       "default interface of that kind)."),
        QStringLiteral("[FID]"));

    if (!parser.parse(arguments)) {
        error = parser.errorText();
        return std::nullopt;
    }
    if (parser.isSet(helpOption)) {
        help = true;
        helpText = parser.helpText();
        return std::nullopt;
    }

    Options o;
    int modes = 0;
    for (const auto& [option, mode] :
         {std::pair{&main, Mode::Main}, std::pair{&designer, Mode::Designer},
          std::pair{&list, Mode::List}, std::pair{&embed, Mode::Embed}}) {
        if (!parser.isSet(*option)) continue;
        ++modes;
        o.mode = mode;
    }
    if (modes > 1) {
        error = QStringLiteral("choose one of --main, --designer, --list and --embed");
        return std::nullopt;
    }
    if (o.mode == Mode::Designer && parser.isSet(designer)) o.kind = parser.value(designer);
    if (o.mode == Mode::List) o.kind = parser.value(list);
    const QStringList kinds = o.mode == Mode::List
                                  ? QStringList{QStringLiteral("entry"), QStringLiteral("browse")}
                                  : QStringList{QStringLiteral("entry"), QStringLiteral("search")};
    if ((o.mode == Mode::Designer || o.mode == Mode::List) && !kinds.contains(o.kind)) {
        error = QStringLiteral("--%1 takes %2, not \"%3\"")
                    .arg(o.mode == Mode::List ? "list" : "designer", kinds.join(" or "), o.kind);
        return std::nullopt;
    }

    const QStringList positional = parser.positionalArguments();
    if (positional.size() > 1) {
        error =
            QStringLiteral("one interface number at most, not \"%1\"").arg(positional.join(' '));
        return std::nullopt;
    }
    if (!positional.isEmpty()) {
        if (o.mode != Mode::Designer && o.mode != Mode::List) {
            error = QStringLiteral("an interface number goes with --designer or --list");
            return std::nullopt;
        }
        bool ok = false;
        o.fid = positional.first().toInt(&ok);
        if (!ok || o.fid <= 0) {
            error = QStringLiteral("\"%1\" is not an interface number").arg(positional.first());
            return std::nullopt;
        }
    }
    o.connection = parser.isSet(db) ? parser.value(db) : defaultDatabase();
    o.system = parser.value(system);
    o.table = parser.value(table);
    o.className = parser.value(cls);
    o.user = parser.value(user);
    return o;
}

// What a designer mode opens: the class, the interface kind it edits and the list kind name.
struct DesignerTarget {
    const char* progId;
    std::int16_t kind;  // InterfaceKind code
    QString vlx;        // list designer only
};

DesignerTarget targetOf(const Options& o) {
    if (o.mode == Mode::List) {
        const std::int16_t kind = o.kind == QLatin1String("entry") ? 2 : 4;
        return {kProgIdOACLS_ILITer, kind, GetInterfaceKindName(kind)};
    }
    if (o.kind == QLatin1String("search")) return {kProgIdOACLS_IJSTer, 3, QString()};
    return {kProgIdOACLS_ISITer, 1, QString()};
}

std::int16_t kindOf(const INDTRecord& row) {
    return static_cast<std::int16_t>(leadingNumber(fieldText(row.id05)));
}

// The interface to open: the one asked for, when it is of the kind the window edits, or the
// class's default interface of that kind. 0 with `error` filled when there is none.
std::int32_t interfaceToOpen(std::int32_t hdbc, const Options& o, std::int16_t kind,
                             QString& error) {
    INDTRecord row{};
    if (o.fid > 0) {
        if (sysINDTGetDataByNo(hdbc, row, o.fid) <= 0) {
            error = QStringLiteral("there is no interface %1").arg(o.fid);
            return 0;
        }
        // The item-entry designer also edits the templates, whose items are ISIT rows too.
        const std::int16_t found = kindOf(row);
        const bool fits = found == kind || (kind == 1 && (found == 5 || found == 6));
        if (!fits) {
            error = QStringLiteral("interface %1 is a %2, not a %3")
                        .arg(QString::number(o.fid), GetInterfaceKindName(found),
                             GetInterfaceKindName(kind));
            return 0;
        }
        return o.fid;
    }
    std::int32_t fid = 0;
    const std::int32_t stmt = sysINDTPrepareGetData(hdbc, o.system, o.table, o.className);
    while (stmt > 0 && sysINDTGetRecord(stmt, row) > 0) {
        if (fid == 0 && kindOf(row) == kind && fieldText(row.id07).isEmpty()) fid = row.id00;
    }
    if (fid == 0)
        error = QStringLiteral("%1 / %2 / %3 has no default %4")
                    .arg(o.system, o.table, o.className, GetInterfaceKindName(kind));
    return fid;
}

// Prints one line for each help request the object raises; returns the sink's cookie.
std::uint32_t printHelpRequests(Dispatch& object, const QString& className, QTextStream& out) {
    EventSource* events = object.events();
    if (!events) return 0;
    const DispId needHelp = events->idOfName(u"NeedHelp");
    return events->connect(std::make_shared<FunctionSink>([&out, needHelp, className](
                                                              DispId id, std::span<Variant> a) {
        if (id == needHelp && !a.empty())
            say(out, QStringLiteral("NeedHelp from %1, id \"%2\"").arg(className, a[0].toText()));
    }));
}

// A created object with the host's help sink connected for as long as it is held.
class HostObject {
  public:
    HostObject(const QString& progId, QTextStream& out) : object_(CreateObject(progId)) {
        cookie_ = printHelpRequests(*object_, progId, out);
    }
    ~HostObject() {
        if (EventSource* events = object_->events()) events->disconnect(cookie_);
    }
    HostObject(const HostObject&) = delete;
    HostObject& operator=(const HostObject&) = delete;
    Dispatch* operator->() const { return object_.get(); }

  private:
    std::shared_ptr<Dispatch> object_;
    std::uint32_t cookie_ = 0;
};

// OACLS_ZELK with the connection, the context and the report folder handed over.
void initMainObject(HostObject& zelk, std::int32_t hdbc, const Options& o) {
    std::vector<Variant> context{hdbc, o.system, o.table, o.className, o.user};
    zelk->call(u"init", context);
    QString files;
    QString reports;
    getFldPath(hdbc, files, reports);
    zelk->call(u"SetReportPath", {TrimFixedField(reports)});
}

void runMain(std::int32_t hdbc, const Options& o, QTextStream& out) {
    HostObject zelk(QString::fromLatin1(kProgIdOACLS_ZELK), out);
    initMainObject(zelk, hdbc, o);
    zelk->call(u"show", {true, std::int32_t{0}});
}

void runEmbedded(std::int32_t hdbc, const Options& o, QTextStream& out, QTextStream& err) {
    // The object goes before the window that holds its main window.
    HostWindow window;
    window.setWindowTitle(QStringLiteral("zelk - %1").arg(o.system));
    HostObject zelk(QString::fromLatin1(kProgIdOACLS_ZELK), out);
    initMainObject(zelk, hdbc, o);
    window.show();
    zelk->call(u"show", {false, static_cast<std::int32_t>(window.winId())});
    const auto fit = [&](float width, float height) {
        try {
            zelk->call(u"parentResize", {width, height});
        } catch (const AutomationError& e) {
            say(err, e.source() + QStringLiteral(": ") + e.description());
        }
    };
    QObject::connect(&window, &HostWindow::resized, &window, fit);
    fit(static_cast<float>(pixelsToTwips(window.width())),
        static_cast<float>(pixelsToTwips(window.height())));
    if (headless()) {
        say(out, QStringLiteral("no display: the host window closes at once"));
        return;
    }
    QEventLoop loop;
    QObject::connect(&window, &HostWindow::closed, &loop, &QEventLoop::quit);
    loop.exec();
}

void runDesigner(std::int32_t hdbc, std::int32_t fid, const DesignerTarget& target,
                 QTextStream& out) {
    HostObject designer(QString::fromLatin1(target.progId), out);
    std::vector<Variant> args{hdbc, fid};
    if (!target.vlx.isEmpty()) args.emplace_back(target.vlx);
    designer->call(u"ShowDesigner", args);
}

}  // namespace

int runHost(const QStringList& arguments, QTextStream& out, QTextStream& err) {
    QString error;
    bool help = false;
    QString helpText;
    const std::optional<Options> options = parseOptions(arguments, error, help, helpText);
    if (help) {
        out << helpText;
        out.flush();
        return kExitOk;
    }
    if (!options) {
        say(err, error);
        return kExitUsage;
    }
    const Options& o = *options;

    const std::int32_t hdbc = dbOpenConnection(o.connection, &error);
    if (hdbc <= 0) {
        say(err, QStringLiteral("cannot open the database %1: %2").arg(o.connection, error));
        return kExitFailed;
    }
    struct Closer {
        std::int32_t hdbc;
        ~Closer() { dbCloseConnection(hdbc); }
    } closer{hdbc};

    // A database without interfaces gets the demo data.
    const std::int32_t interfaces =
        GetRecordsetCount(hdbc, QStringLiteral("select id00 from indt"));
    if (interfaces < 0 || (interfaces == 0 && !loadDemoData(hdbc))) {
        say(err, QStringLiteral("the demo data could not be loaded into %1").arg(o.connection));
        return kExitFailed;
    }

    std::int32_t fid = 0;
    const DesignerTarget target = targetOf(o);
    if (o.mode == Mode::Designer || o.mode == Mode::List) {
        fid = interfaceToOpen(hdbc, o, target.kind, error);
        if (fid == 0) {
            say(err, error);
            return kExitFailed;
        }
    }

    ServePublicClasses();
    if (DllRegisterServer() != HResult::Ok) {
        say(err, QStringLiteral("the component's classes could not be registered"));
        return kExitFailed;
    }
    try {
        switch (o.mode) {
            case Mode::Main:
                runMain(hdbc, o, out);
                break;
            case Mode::Embed:
                runEmbedded(hdbc, o, out, err);
                break;
            case Mode::Designer:
            case Mode::List:
                runDesigner(hdbc, fid, target, out);
                break;
        }
    } catch (const AutomationError& e) {
        say(err, QStringLiteral("%1: %2 (%3)")
                     .arg(e.source().isEmpty() ? QStringLiteral("component") : e.source(),
                          e.description(), describe(e.code())));
        return kExitFailed;
    }
    return kExitOk;
}

}  // namespace zelk::host
