#pragma once
// A fresh database for one test: a SQLite file in a temporary folder, or a schema of its own on
// the PostgreSQL server named by ZELK_TEST_PG (dropped afterwards), optionally with the demo
// data. BackendTest with ZELK_ON_BOTH_BACKENDS runs a test body on each back end; the
// PostgreSQL instance is skipped with a visible reason when ZELK_TEST_PG is not set.

#include <cstdint>
#include <memory>
#include <ostream>

#include <gtest/gtest.h>
#include <QString>
#include <QTemporaryDir>

#include "dataaccess/demodata.h"
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
    // Opens the same database once more (for a second user); closed with the TestDb.
    std::int32_t openAnother(QString* error = nullptr);
    QString connectionString() const { return connectionString_; }

    static bool postgresAvailable();
    static QString postgresSkipReason();

  private:
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
    TestDb& db() { return *db_; }
    std::int32_t hdbc() const { return db_->hdbc(); }
    // Override to start from the demo data set.
    virtual bool withDemoData() const { return false; }

  private:
    std::unique_ptr<TestDb> db_;
};

// Fixture: BackendTest on the demo data set, with the numbers of its interfaces. Calling SetUp
// again starts over on a fresh database.
class DemoBackendTest : public BackendTest {
  protected:
    void SetUp() override;
    DemoInterfaces demo_;
};

}  // namespace zelk::test

#define ZELK_ON_BOTH_BACKENDS(Suite)                                                   \
    INSTANTIATE_TEST_SUITE_P(Backends, Suite,                                          \
                             ::testing::Values(::zelk::test::TestBackend::SQLite,      \
                                               ::zelk::test::TestBackend::PostgreSQL), \
                             ::zelk::test::backendName)

// Skips the running test on the PostgreSQL back end when no server is named (in a SetUp or body).
#define ZELK_SKIP_WITHOUT_SERVER(backend)                     \
    if ((backend) == ::zelk::test::TestBackend::PostgreSQL && \
        !::zelk::test::TestDb::postgresAvailable())           \
    GTEST_SKIP() << ::zelk::test::TestDb::postgresSkipReason().toStdString()
