// Two users at once: new interface numbers and saves of the same interface.

#include <atomic>
#include <csignal>
#include <set>
#include <thread>

#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include "component/fixedfield.h"
#include "dataaccess/dravix.h"
#include "support/testdb.h"

using namespace zelk;
using namespace zelk::test;

namespace {

class TwoUsers : public BackendTest {};

TEST_P(TwoUsers, ConcurrentNewInterfacesGetDistinctNumbers) {
    constexpr int kUsers = 6;
    constexpr int kEach = 15;
    std::vector<std::vector<std::int32_t>> numbers(kUsers);
    std::vector<std::thread> users;
    const QString where = db().connectionString();
    for (int u = 0; u < kUsers; ++u) {
        users.emplace_back([&, u] {
            // Each user has a connection of their own, used only by their thread.
            const std::int32_t hdbc = dbOpenConnection(where);
            if (hdbc <= 0) return;
            for (int i = 0; i < kEach; ++i) {
                const bool inTransaction = i % 2 == 1;
                if (inTransaction) odbc_BeginTrans(hdbc);
                INDTRecord row;
                setField(row.id03, QString("用户%1的界面%2").arg(u).arg(i));
                numbers[u].push_back(sysINDTInsertRecord(hdbc, row));
                if (inTransaction) odbc_CommitTrans(hdbc);
            }
            dbCloseConnection(hdbc);
        });
    }
    for (auto& t : users) t.join();
    std::set<std::int32_t> distinct;
    for (const auto& list : numbers) {
        ASSERT_EQ(list.size(), static_cast<std::size_t>(kEach));
        for (const std::int32_t n : list) {
            EXPECT_GE(n, 1);
            distinct.insert(n);
        }
    }
    EXPECT_EQ(distinct.size(), static_cast<std::size_t>(kUsers * kEach));
    EXPECT_EQ(GetRecordsetCount(hdbc(), "select * from indt"), kUsers * kEach);
    EXPECT_EQ(GetMaxNo(hdbc(), "ID00", "INDT"), kUsers * kEach);
}

// A save updates the interface row first; a second save of the same interface waits for the
// first to end, so the items are never a mixture of both.
TEST_P(TwoUsers, SavesOfTheSameInterfaceAreSerialised) {
    INDTRecord row;
    setField(row.id03, "发文登记");
    setField(row.id08, "1");
    const std::int32_t fid = sysINDTInsertRecord(hdbc(), row);
    ASSERT_EQ(fid, 1);

    const auto save = [fid](std::int32_t hdbc, const QString& caption, int count) {
        INDTRecord r;
        if (sysINDTGetDataByNo(hdbc, r, fid) < 1) return false;
        setField(r.id08, caption);
        if (sysINDTUpdateRecord(hdbc, r) < 0 || sysISITDeleteRecords(hdbc, fid) < 0) return false;
        for (int i = 0; i < count; ++i) {
            ISITRecord item;
            item.ii01 = fid;
            setField(item.ii03, caption);
            if (sysISITInsertRecord(hdbc, item) < 1) return false;
        }
        return true;
    };

    std::atomic<int> step{0};
    std::atomic<int> secondSawStep{-1};
    ASSERT_EQ(odbc_BeginTrans(hdbc()), 0);
    ASSERT_TRUE(save(hdbc(), "甲", 3));
    const QString where = db().connectionString();
    std::atomic<bool> secondOk{false};
    std::thread second([&] {
        const std::int32_t other = dbOpenConnection(where);
        if (other <= 0) return;
        bool ok = odbc_BeginTrans(other) == 0;
        INDTRecord r;
        setField(r.id03, "发文登记");
        r.id00 = fid;
        // Blocks here until the first save has ended.
        ok = ok && sysINDTUpdateRecord(other, r) >= 0;
        secondSawStep = step.load();
        ok = ok && save(other, "乙", 2);
        ok = ok && odbc_CommitTrans(other) == 0;
        secondOk = ok;
        dbCloseConnection(other);
    });
    std::this_thread::sleep_for(std::chrono::milliseconds(400));
    EXPECT_EQ(secondSawStep.load(), -1) << "the second save went on while the first was open";
    step = 1;
    EXPECT_EQ(odbc_CommitTrans(hdbc()), 0);
    second.join();
    EXPECT_TRUE(secondOk.load());
    EXPECT_EQ(secondSawStep.load(), 1);

    QStringList captions;
    const std::int32_t h = sysISITPrepareGetData(hdbc(), fid);
    ISITRecord item;
    while (sysISITGetRecord(h, item) > 0) captions << fieldText(item.ii03);
    EXPECT_EQ(captions, QStringList({"乙", "乙"}));
}

ZELK_ON_BOTH_BACKENDS(TwoUsers);

// The program's write survives when something in the program opened and closed the database
// file (as a file dialog reading the type of the files it lists does), another program then
// opened and closed the database, and the program was killed right after the write.
TEST(SQLiteFileLocks, AWriteSurvivesAStrayCloseAnotherProgramAndAKill) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("db.sqlite"));
    const std::int32_t made = dbOpenConnection(path);
    ASSERT_GT(made, 0);
    dbCloseConnection(made);

    int ready[2];
    int go[2];
    ASSERT_EQ(pipe(ready), 0);
    ASSERT_EQ(pipe(go), 0);
    const pid_t program = fork();
    ASSERT_GE(program, 0);
    if (program == 0) {
        ::close(ready[0]);
        ::close(go[1]);
        const std::int32_t hdbc = dbOpenConnection(path);
        INDTRecord first;
        setField(first.id03, "打开后");
        char answer = hdbc > 0 && sysINDTInsertRecord(hdbc, first) > 0 ? 'r' : 'f';
        for (const char* suffix : {"", "-wal", "-shm"}) {
            const int fd = ::open(QFile::encodeName(path + suffix).constData(), O_RDONLY);
            char head[64];
            if (fd >= 0 && ::read(fd, head, sizeof head) < 0) answer = 'f';
            if (fd >= 0) ::close(fd);
        }
        char cue = 0;
        if (::write(ready[1], &answer, 1) != 1 || ::read(go[0], &cue, 1) != 1) _exit(1);
        INDTRecord row;
        setField(row.id03, "杀前写入");
        answer = sysINDTInsertRecord(hdbc, row) > 0 ? 'w' : 'f';
        if (::write(ready[1], &answer, 1) != 1) _exit(1);
        for (;;) pause();
    }
    ::close(ready[1]);
    ::close(go[0]);
    char answer = 0;
    EXPECT_EQ(::read(ready[0], &answer, 1), 1);
    EXPECT_EQ(answer, 'r');
    // The other program comes and goes.
    const std::int32_t other = dbOpenConnection(path);
    EXPECT_GT(other, 0);
    dbCloseConnection(other);
    EXPECT_EQ(::write(go[1], "g", 1), 1);
    EXPECT_EQ(::read(ready[0], &answer, 1), 1);
    EXPECT_EQ(answer, 'w');
    ::kill(program, SIGKILL);
    ::waitpid(program, nullptr, 0);
    ::close(ready[0]);
    ::close(go[1]);

    const std::int32_t after = dbOpenConnection(path);
    ASSERT_GT(after, 0);
    EXPECT_EQ(GetRecordsetCount(after, "select * from indt where id03 = '杀前写入'"), 1);
    dbCloseConnection(after);
}

}  // namespace
