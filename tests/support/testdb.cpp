#include "support/testdb.h"

#include <QCoreApplication>
#include <QRandomGenerator>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QUrl>
#include <QUrlQuery>

#include "dataaccess/demodata.h"
#include "dataaccess/dravix.h"

namespace zelk::test {

namespace {

QString serverUrl() {
    return qEnvironmentVariable("ZELK_TEST_PG");
}

// Runs one statement on the server through a short-lived connection of its own.
bool onServer(const QString& sql, QString* error) {
    const QUrl url(serverUrl());
    static int serial = 0;
    const QString name = QString("zelk-test-admin-%1").arg(++serial);
    bool ok = false;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase("QPSQL", name);
        db.setHostName(url.host());
        db.setPort(url.port(5432));
        db.setDatabaseName(url.path().mid(1));
        db.setUserName(url.userName());
        db.setPassword(url.password());
        if (db.open()) {
            QSqlQuery query(db);
            query.exec("set client_min_messages to warning");
            ok = query.exec(sql);
            if (!ok && error) *error = query.lastError().text();
            db.close();
        } else if (error) {
            *error = db.lastError().text();
        }
    }
    QSqlDatabase::removeDatabase(name);
    return ok;
}

}  // namespace

void PrintTo(TestBackend backend, std::ostream* out) {
    *out << (backend == TestBackend::SQLite ? "SQLite" : "PostgreSQL");
}

std::string backendName(const ::testing::TestParamInfo<TestBackend>& info) {
    return info.param == TestBackend::SQLite ? "SQLite" : "PostgreSQL";
}

bool TestDb::postgresAvailable() {
    return !serverUrl().isEmpty();
}

QString TestDb::postgresSkipReason() {
    return "PostgreSQL tests skipped: ZELK_TEST_PG names no server (make test starts one)";
}

TestDb::TestDb(TestBackend backend, bool withDemoData) {
    if (backend == TestBackend::SQLite) {
        dir_ = std::make_unique<QTemporaryDir>();
        if (!dir_->isValid()) {
            error_ = "no temporary folder";
            return;
        }
        connectionString_ = "sqlite:" + dir_->filePath("zelk.db");
    } else {
        if (!postgresAvailable()) {
            error_ = postgresSkipReason();
            return;
        }
        schema_ = QString("zt_%1_%2")
                      .arg(QCoreApplication::applicationPid())
                      .arg(QRandomGenerator::global()->generate64() % 1000000000000ULL);
        if (!onServer("create schema " + schema_, &error_)) return;
        QUrl url(serverUrl());
        QUrlQuery query;
        query.addQueryItem("schema", schema_);
        url.setQuery(query);
        connectionString_ = url.toString();
    }
    hdbc_ = dbOpenConnection(connectionString_, &error_);
    if (hdbc_ > 0 && withDemoData && !loadDemoData(hdbc_)) {
        error_ = "demo data could not be loaded";
        dbCloseConnection(hdbc_);
        hdbc_ = 0;
    }
}

TestDb::~TestDb() {
    for (const std::int32_t other : others_) dbCloseConnection(other);
    if (hdbc_ > 0) dbCloseConnection(hdbc_);
    if (!schema_.isEmpty()) onServer("drop schema " + schema_ + " cascade", nullptr);
}

std::int32_t TestDb::openAnother(QString* error) {
    const std::int32_t handle = dbOpenConnection(connectionString_, error);
    if (handle > 0) others_.push_back(handle);
    return handle;
}

void BackendTest::SetUp() {
    ZELK_SKIP_WITHOUT_SERVER(GetParam());
    db_.reset();  // a repeated SetUp closes the old database first
    db_ = std::make_unique<TestDb>(GetParam(), withDemoData());
    ASSERT_TRUE(db_->ok()) << db_->error().toStdString();
}

void DemoBackendTest::SetUp() {
    BackendTest::SetUp();
    if (IsSkipped() || HasFatalFailure()) return;
    ASSERT_TRUE(loadDemoData(hdbc(), &demo_));
}

}  // namespace zelk::test
