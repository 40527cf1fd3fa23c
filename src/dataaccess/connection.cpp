// Connections, transactions and statement handles.

#include <QMutex>
#include <QMutexLocker>
#include <QSqlError>
#include <QUrl>
#include <QUrlQuery>

#include "dataaccess/dravix.h"
#include "dataaccess/internal.h"

namespace zelk {

namespace da {

namespace {

// Handles are looked up from any thread; each connection and its statements are used only by
// the thread that opened it.
QMutex registryMutex;
std::unordered_map<std::int32_t, std::unique_ptr<Connection>> connections;
std::unordered_map<std::int32_t, std::unique_ptr<Statement>> statements;
std::int32_t lastConnection = 0;
std::int32_t lastStatement = 0;

std::int32_t nextHandle(std::int32_t& last, const auto& inUse) {
    do {
        last = last >= INT32_MAX - 1 ? 1 : last + 1;
    } while (inUse.count(last) != 0);
    return last;
}

bool runPlain(Connection& conn, const QString& sql) {
    QSqlQuery query(conn.db());
    return query.exec(sql);
}

// Drops the connection's statements and closes and forgets its database.
void closeDatabase(Connection& conn) {
    conn.prepared.clear();
    {
        QSqlDatabase db = conn.db();
        db.close();
    }
    QSqlDatabase::removeDatabase(conn.name);
}

}  // namespace

std::unique_ptr<QSqlQuery> newQuery(const Connection& conn) {
    auto query = std::make_unique<QSqlQuery>(conn.db());
    query->setForwardOnly(conn.backend == Backend::SQLite);
    return query;
}

Connection* connection(std::int32_t hdbc) {
    QMutexLocker lock(&registryMutex);
    const auto it = connections.find(hdbc);
    return it == connections.end() ? nullptr : it->second.get();
}

QSqlQuery* preparedQuery(Connection& conn, const QString& sql) {
    auto& slot = conn.prepared[sql];
    if (!slot) {
        auto query = newQuery(conn);
        bool ok = false;
        if (conn.backend == Backend::PostgreSQL && conn.inTransaction) {
            // A refused prepare would spoil the transaction on the server.
            ok = runPlain(conn, "savepoint zelk_prep") && query->prepare(sql);
            runPlain(conn, ok ? "release savepoint zelk_prep" : "rollback to savepoint zelk_prep");
        } else {
            ok = query->prepare(sql);
        }
        if (!ok) {
            conn.prepared.erase(sql);
            return nullptr;
        }
        slot = std::move(query);
    }
    return slot.get();
}

void dropPrepared(Connection& conn) {
    conn.prepared.clear();
}

bool execGuarded(Connection& conn, QSqlQuery& query, const QString& sql, const QVariantList& args) {
    const bool guard = conn.backend == Backend::PostgreSQL && conn.inTransaction;
    if (guard && !runPlain(conn, "savepoint zelk_stmt")) return false;
    bool ok;
    if (args.isEmpty() && !sql.isEmpty()) {
        ok = query.exec(sql);
    } else {
        ok = sql.isEmpty() || query.prepare(sql);
        for (int i = 0; ok && i < args.size(); ++i) query.bindValue(i, args[i]);
        ok = ok && query.exec();
    }
    if (guard)
        runPlain(conn, ok ? "release savepoint zelk_stmt" : "rollback to savepoint zelk_stmt");
    return ok;
}

bool execPrepared(QSqlQuery& query) {
    return query.exec();
}

std::int32_t registerStatement(std::unique_ptr<Statement> statement) {
    QMutexLocker lock(&registryMutex);
    const std::int32_t handle = nextHandle(lastStatement, statements);
    statement->handle = handle;
    statements.emplace(handle, std::move(statement));
    return handle;
}

Statement* findStatement(std::int32_t handle) {
    if (handle <= 0) return nullptr;
    QMutexLocker lock(&registryMutex);
    const auto it = statements.find(handle);
    return it == statements.end() ? nullptr : it->second.get();
}

void freeStatement(std::int32_t handle) {
    std::unique_ptr<Statement> gone;
    {
        QMutexLocker lock(&registryMutex);
        const auto it = statements.find(handle);
        if (it == statements.end()) return;
        gone = std::move(it->second);
        statements.erase(it);
    }
    // The query is finished outside the lock, in the owning thread.
}

void freeStatementsOf(std::int32_t hdbc) {
    std::vector<std::unique_ptr<Statement>> gone;
    QMutexLocker lock(&registryMutex);
    for (auto it = statements.begin(); it != statements.end();) {
        if (it->second->hdbc == hdbc) {
            gone.push_back(std::move(it->second));
            it = statements.erase(it);
        } else {
            ++it;
        }
    }
    lock.unlock();
}

std::int32_t openRecordCursor(std::int32_t hdbc, const Layout& layout, const QString& where,
                              const QVariantList& args, StatementKind kind) {
    Connection* conn = connection(hdbc);
    if (!conn) return 0;
    QString sql = "select " + layout.selectList() + " from " + layout.table;
    if (!where.trimmed().isEmpty()) sql += " where " + where;
    sql += orderClause(layout, conn->backend);
    auto statement = std::make_unique<Statement>();
    statement->hdbc = hdbc;
    statement->kind = kind;
    statement->layout = &layout;
    statement->query = newQuery(*conn);
    if (!execGuarded(*conn, *statement->query, sql, args)) return 0;
    return registerStatement(std::move(statement));
}

std::int32_t fetchRecord(std::int32_t hstmt, const Layout& layout, char* record) {
    Statement* statement = findStatement(hstmt);
    if (!statement) return 0;
    if (statement->layout != &layout) return -1;
    if (statement->pending || statement->query->next()) {
        statement->pending = false;
        readRow(layout, *statement->query, record);
        return 1;
    }
    freeStatement(hstmt);
    return 0;
}

std::int32_t firstInteger(std::int32_t hdbc, const QString& sql, const QVariantList& args) {
    Connection* conn = connection(hdbc);
    if (!conn) return -1;
    QSqlQuery* query = preparedQuery(*conn, sql);
    if (!query) return -1;
    for (int i = 0; i < args.size(); ++i) query->bindValue(i, args[i]);
    if (!execPrepared(*query)) return -1;
    const std::int32_t value = query->next() ? query->value(0).toInt() : 0;
    query->finish();
    return value;
}

std::int32_t readOne(std::int32_t hdbc, const Layout& layout, const QString& where,
                     const QVariantList& args, char* record) {
    Connection* conn = connection(hdbc);
    if (!conn) return -1;
    const QString sql = "select " + layout.selectList() + " from " + layout.table + " where " +
                        where + orderClause(layout, conn->backend);
    QSqlQuery* query = preparedQuery(*conn, sql);
    if (!query) return -1;
    for (int i = 0; i < args.size(); ++i) query->bindValue(i, args[i]);
    if (!execPrepared(*query)) return -1;
    std::int32_t result = 0;
    if (query->next()) {
        readRow(layout, *query, record);
        result = 1;
    }
    query->finish();
    return result;
}

}  // namespace da

using namespace da;

// ---- Connections --------------------------------------------------------------------------

std::int32_t dbOpenConnection(const QString& connectionString, QString* error) {
    auto fail = [&](const QString& message) {
        if (error) *error = message;
        return 0;
    };
    auto conn = std::make_unique<Connection>();
    QString schema;
    QString driver = "QSQLITE";
    QString path = connectionString.trimmed();
    QUrl url;
    if (path.startsWith("postgresql://") || path.startsWith("postgres://")) {
        driver = "QPSQL";
        conn->backend = Backend::PostgreSQL;
        url = QUrl(path);
        if (!url.isValid() || url.host().isEmpty() || url.path().size() < 2)
            return fail("不正确的数据库连接串: " + connectionString);
        schema = QUrlQuery(url).queryItemValue("schema");
        if (!schema.isEmpty() && !isSqlName(schema)) return fail("不正确的数据库模式名: " + schema);
    } else {
        if (path.startsWith("sqlite:")) path = path.mid(7);
        if (path.isEmpty()) return fail("没有给出数据库文件");
    }

    {
        QMutexLocker lock(&registryMutex);
        conn->handle = nextHandle(lastConnection, connections);
    }
    conn->name = QString("zelk-dravix-%1").arg(conn->handle);
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(driver, conn->name);
        if (conn->backend == Backend::SQLite) {
            db.setDatabaseName(path);
            db.setConnectOptions("QSQLITE_BUSY_TIMEOUT=30000");
        } else {
            db.setHostName(url.host());
            db.setPort(url.port(5432));
            db.setDatabaseName(url.path().mid(1));
            db.setUserName(url.userName());
            db.setPassword(url.password());
        }
        if (!db.open()) {
            const QString message = db.lastError().text();
            db = QSqlDatabase();
            QSqlDatabase::removeDatabase(conn->name);
            return fail("不能打开数据库: " + message);
        }
    }
    QString problem;
    bool ok = true;
    if (conn->backend == Backend::SQLite) {
        ok = runPlain(*conn, "pragma journal_mode=wal") &&
             runPlain(*conn, "pragma synchronous=normal");
    } else {
        ok = runPlain(*conn, "set client_min_messages to warning");
    }
    if (ok && !schema.isEmpty()) {
        ok = runPlain(*conn, "create schema if not exists " + schema) &&
             runPlain(*conn, "set search_path to " + schema);
    }
    if (!ok) problem = "不能设置数据库连接";
    if (ok) ok = ensureSchema(*conn, &problem);
    if (!ok) {
        closeDatabase(*conn);
        return fail(problem);
    }
    // After the switch to WAL, which needs the file to itself.
    if (conn->backend == Backend::SQLite) holdDatabaseFile(*conn, path);
    const std::int32_t handle = conn->handle;
    QMutexLocker lock(&registryMutex);
    connections.emplace(handle, std::move(conn));
    return handle;
}

void dbCloseConnection(std::int32_t hdbc) {
    std::unique_ptr<Connection> conn;
    {
        QMutexLocker lock(&registryMutex);
        const auto it = connections.find(hdbc);
        if (it == connections.end()) return;
        conn = std::move(it->second);
        connections.erase(it);
    }
    freeStatementsOf(hdbc);
    if (conn->inTransaction) runPlain(*conn, "rollback");
    closeHeldDatabase(*conn, [&conn] { closeDatabase(*conn); });
}

std::int32_t sysMSSQLUses(std::int32_t hdbc, const QString& databaseName) {
    Connection* conn = connection(hdbc);
    if (!conn) return -1;
    // SQLite has one database per file; a server selects the suite's schema when it has one.
    if (conn->backend == Backend::SQLite) return 0;
    const QString name = databaseName.trimmed().toLower();
    if (!isSqlName(name)) return 0;
    QSqlQuery query(conn->db());
    if (!execGuarded(*conn, query, "select count(*) from pg_namespace where nspname = ?", {name}))
        return -1;
    if (!query.next() || query.value(0).toInt() == 0) return 0;
    query.finish();
    dropPrepared(*conn);
    return runPlain(*conn, "set search_path to " + name) ? 0 : -1;
}

std::int32_t odbc_GetDbsFlag() {
    return 0;
}

// ---- Transactions and statements ----------------------------------------------------------

std::int32_t odbc_BeginTrans(std::int32_t hdbc) {
    Connection* conn = connection(hdbc);
    if (!conn) return -1;
    if (conn->inTransaction) return 0;
    // SQLite: take the write lock at once, so that two writers wait instead of failing later.
    if (!runPlain(*conn, conn->backend == Backend::SQLite ? "begin immediate" : "begin")) return -1;
    conn->inTransaction = true;
    return 0;
}

std::int32_t odbc_CommitTrans(std::int32_t hdbc) {
    Connection* conn = connection(hdbc);
    if (!conn) return -1;
    if (!conn->inTransaction) return 0;  // several callers commit what they never began
    for (auto& [sql, query] : conn->prepared) query->finish();
    // A server answers COMMIT of a transaction that a failed statement aborted with ROLLBACK and
    // no error; in that state it refuses every other statement, so a refused probe tells.
    const bool alive = conn->backend != Backend::PostgreSQL || runPlain(*conn, "select 1");
    const bool ok = alive && runPlain(*conn, "commit");
    if (!ok) runPlain(*conn, "rollback");
    conn->inTransaction = false;
    return ok ? 0 : -1;
}

std::int32_t odbc_RollbackTrans(std::int32_t hdbc) {
    Connection* conn = connection(hdbc);
    if (!conn) return -1;
    if (!conn->inTransaction) return 0;
    for (auto& [sql, query] : conn->prepared) query->finish();
    const bool ok = runPlain(*conn, "rollback");
    conn->inTransaction = false;
    return ok ? 0 : -1;
}

std::int32_t odbc_FreeStmtHandle(std::int32_t hstmt) {
    freeStatement(hstmt);
    return 0;
}

}  // namespace zelk
