#pragma once
// Inside the data-access library: connections, statements, record layouts. Not for callers.

#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <unordered_map>
#include <utility>
#include <vector>

#include <sys/types.h>

#include <QSqlDatabase>
#include <QSqlQuery>
#include <QString>
#include <QVariant>

namespace zelk::da {

enum class Backend { SQLite, PostgreSQL };

// One member of a record type: its column name, where it lies and whether it is an integer.
struct Column {
    QString name;
    std::size_t offset;
    std::size_t width;
    bool isInt;
};

// A record type as a table: the table's name, the columns in member order and the order in
// which its rows come back.
struct Layout {
    QString table;
    std::vector<Column> columns;
    QString orderBy;  // may name back-end specific expressions, see orderClause()
    QString selectList() const;
};

const Layout& indtLayout();
const Layout& isitLayout();
const Layout& ijstLayout();
const Layout& ilitLayout();
const Layout& ilstLayout();
const Layout& tableDefineLayout();
const Layout& fieldLayout();
const Layout& sdsdLayout();
const Layout& mbhjLayout();
const Layout& rgdtLayout();

// Lower-case names of every integer column of the schema; the dialect step uses them.
const std::vector<QString>& integerColumnNames();

// Record bytes <-> column values. Texts go to the database as read (cut at NUL, trailing
// blanks stripped) and come back written as the record rules say.
QVariant columnValue(const Column& column, const char* record);
void setColumn(const Column& column, char* record, const QVariant& value);
void readRow(const Layout& layout, const QSqlQuery& query, char* record, int firstIndex = 0);

struct Connection {
    std::int32_t handle = 0;
    QString name;  // QSqlDatabase connection name
    Backend backend = Backend::SQLite;
    bool inTransaction = false;
    std::unordered_map<QString, std::unique_ptr<QSqlQuery>> prepared;
    std::optional<std::pair<dev_t, ino_t>> heldFile;  // SQLite: the database file kept locked
    QSqlDatabase db() const { return QSqlDatabase::database(name, false); }
};

// SQLite: keeps the database file of an open connection locked for other programs by locks of
// descriptors of our own, so that no other program deletes its -wal and -shm files while we use
// them, even after a descriptor that something else in the process opened and closed has dropped
// SQLite's own locks (which these do not restore; filelocks.cpp). closeHeldDatabase runs
// `closeDatabase` and lets the locks go with the process's last connection to the file.
void holdDatabaseFile(Connection& conn, const QString& path);
void closeHeldDatabase(Connection& conn, const std::function<void()>& closeDatabase);

// A query of the connection. On PostgreSQL a forward-only query reads its rows one by one from
// the server, and the next statement on the connection discards the rest; so there every result
// is read whole, and a cursor keeps its rows while the caller runs other statements.
std::unique_ptr<QSqlQuery> newQuery(const Connection& conn);

// The connection of a handle, nullptr when the handle is unknown.
Connection* connection(std::int32_t hdbc);

// A prepared statement kept for the connection's life: SQL texts the library builds itself
// are prepared once. The query comes back ready to bind; callers finish() it when done.
QSqlQuery* preparedQuery(Connection& conn, const QString& sql);
void dropPrepared(Connection& conn);

// Runs `sql` (already in the back end's dialect) with `args` bound in order. On PostgreSQL
// inside a transaction a failed statement is rolled back alone, so that one refused free text
// does not spoil the caller's transaction.
bool execGuarded(Connection& conn, QSqlQuery& query, const QString& sql,
                 const QVariantList& args = {});
// Runs a prepared statement the library built itself, values already bound. Its failures are
// real ones (a lost connection, a taken key), which end the caller's work anyway.
bool execPrepared(QSqlQuery& query);

// The ORDER BY clause of a layout for the back end ("" when it has none).
QString orderClause(const Layout& layout, Backend backend);

// ---- Statements ---------------------------------------------------------------------------
enum class StatementKind { Record, SysTable, Buffer, Cursor };

struct Statement {
    std::int32_t handle = 0;
    std::int32_t hdbc = 0;
    StatementKind kind = StatementKind::Record;
    const Layout* layout = nullptr;  // Record and Cursor statements
    std::unique_ptr<QSqlQuery> query;
    bool onRow = false;    // Buffer statements: a row is current
    bool pending = false;  // a row was read ahead and not yet delivered
};

std::int32_t registerStatement(std::unique_ptr<Statement> statement);
Statement* findStatement(std::int32_t handle);
void freeStatement(std::int32_t handle);
void freeStatementsOf(std::int32_t hdbc);

// Opens a cursor of `layout` rows over `where` (may be empty) with bound `args`; the handle or
// 0 when the query failed.
std::int32_t openRecordCursor(std::int32_t hdbc, const Layout& layout, const QString& where,
                              const QVariantList& args, StatementKind kind);
// Next row of a record cursor into `record`; frees the statement at the end. 1 per row, 0 at
// the end or for an unknown handle, -1 for a handle of another table.
std::int32_t fetchRecord(std::int32_t hstmt, const Layout& layout, char* record);

// The first column of the first row of a query the library builds itself, as an integer: 0 when
// no row comes, -1 on failure.
std::int32_t firstInteger(std::int32_t hdbc, const QString& sql, const QVariantList& args);

// Single row lookup; 1 when a row was delivered, 0 when none, -1 on failure.
std::int32_t readOne(std::int32_t hdbc, const Layout& layout, const QString& where,
                     const QVariantList& args, char* record);

// A text as the tables hold it: cut at NUL, trailing blanks removed. Never null: a null text
// would be bound as SQL NULL and match no row, where the caller means the empty text.
inline QString storedText(const QString& text) {
    QString stored = text.isNull() ? QStringLiteral("") : text;
    const qsizetype nul = stored.indexOf(QChar(0));
    if (nul >= 0) stored.truncate(nul);
    while (stored.endsWith(' ')) stored.chop(1);
    return stored;
}

// A record's bytes, as the layout routines read and write them.
template <typename R>
char* recordBytes(R& record) {
    return reinterpret_cast<char*>(&record);
}
template <typename R>
const char* recordBytes(const R& record) {
    return reinterpret_cast<const char*>(&record);
}

// Single-row read that leaves the record as it was when no row comes.
template <typename R>
std::int32_t readInto(std::int32_t hdbc, const Layout& layout, const QString& where,
                      const QVariantList& args, R& record) {
    R row;
    const std::int32_t found = readOne(hdbc, layout, where, args, recordBytes(row));
    if (found > 0) record = row;
    return found;
}

// The row whose key (first column) is `key`: its key (1 for a key below 1), 0 when none, -1 on
// failure; the record is unchanged unless a row came.
template <typename R>
std::int32_t readByKey(std::int32_t hdbc, const Layout& layout, R& record, std::int32_t key) {
    const std::int32_t found = readInto(hdbc, layout, layout.columns[0].name + "=?", {key}, record);
    if (found <= 0) return found;
    return key > 0 ? key : 1;
}

// Row writes over a layout. insertWhole writes every column, the key as the record holds it;
// insertWithNewKey lets the table choose the key and writes it into the record (the new key, or
// -1). updateByKey writes every other column of the row with the record's key: that key, or -1
// when no row has it. deleteWhere: the number of rows deleted, or -1.
bool insertWhole(std::int32_t hdbc, const Layout& layout, const char* record);
std::int32_t insertWithNewKey(std::int32_t hdbc, const Layout& layout, char* record);
std::int32_t updateByKey(std::int32_t hdbc, const Layout& layout, const char* record);
std::int32_t deleteWhere(std::int32_t hdbc, const Layout& layout, const QString& column,
                         std::int32_t value);

// Whether `text` is a plain SQL name (letters, digits, underscore; not starting with a digit).
bool isSqlName(const QString& text);

// Schema of an empty database; false with `error` filled on failure.
bool ensureSchema(Connection& conn, QString* error);

}  // namespace zelk::da
