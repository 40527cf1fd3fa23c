#pragma once
// A fresh database for one test: a SQLite file in a temporary folder, or a schema of its own on
// the PostgreSQL server named by ZELK_TEST_PG (dropped afterwards). Optionally with the demo
// data set.
//
//   TestDb db;                               // SQLite, empty schema
//   TestDb db(TestBackend::SQLite, true);    // with the demo data
//   db.hdbc()                                // the connection handle
//
// Running one test body on both back ends:
//
//   class MyTest : public zelk::test::BackendTest {};
//   TEST_P(MyTest, Something) { ... db().hdbc() ... }
//   ZELK_ON_BOTH_BACKENDS(MyTest);
//
// The PostgreSQL instance is skipped with a visible reason when ZELK_TEST_PG is not set.

#include <cstdint>
#include <memory>
#include <ostream>

#include <gtest/gtest.h>
#include <QString>
#include <QTemporaryDir>

#include "support/qtprint.h"

namespace zelk::test {

enum class TestBackend { SQLite, PostgreSQL };

void PrintTo(TestBackend backend, std::ostream* out);
std::string backendName(const ::testing::TestParamInfo<TestBackend>& info);

class TestDb {
  public:
    explicit TestDb(TestBackend backend = TestBackend::SQLite, bool withDemoData = false);
    ~TestDb();
    TestDb(const TestDb&) = delete;
    TestDb& operator=(const TestDb&) = delete;

    bool ok() const { return hdbc_ > 0; }
    QString error() const { return error_; }
    std::int32_t hdbc() const { return hdbc_; }
    TestBackend backend() const { return backend_; }
    // Opens the same database once more (for a second user); closed with the TestDb.
    std::int32_t openAnother(QString* error = nullptr);
    QString connectionString() const { return connectionString_; }

    static bool postgresAvailable();
    static QString postgresSkipReason();

  private:
    TestBackend backend_;
    std::int32_t hdbc_ = 0;
    QString error_;
    QString connectionString_;
    QString schema_;
    std::unique_ptr<QTemporaryDir> dir_;
    std::vector<std::int32_t> others_;
};

// Fixture: one fresh database per test, parameterised by back end.
class BackendTest : public ::testing::TestWithParam<TestBackend> {
  protected:
    void SetUp() override;
    void TearDown() override;
    TestDb& db() { return *db_; }
    std::int32_t hdbc() const { return db_->hdbc(); }
    bool onPostgres() const { return GetParam() == TestBackend::PostgreSQL; }
    // Override to start from the demo data set.
    virtual bool withDemoData() const { return false; }

  private:
    std::unique_ptr<TestDb> db_;
};

}  // namespace zelk::test

#define ZELK_ON_BOTH_BACKENDS(Suite)                                                   \
    INSTANTIATE_TEST_SUITE_P(Backends, Suite,                                          \
                             ::testing::Values(::zelk::test::TestBackend::SQLite,      \
                                               ::zelk::test::TestBackend::PostgreSQL), \
                             ::zelk::test::backendName)
