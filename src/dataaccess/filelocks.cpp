// Locks that keep a SQLite database's -wal and -shm files in place while a connection of ours is
// open.
//
// SQLite locks the file with POSIX record locks. They belong to the process, and the kernel drops
// all of them when the process closes ANY descriptor of that file: a file dialog that reads the
// file to learn its type is enough. Then another program that opens and closes the database
// finds no other user, checkpoints and deletes the -wal and -shm files while we still write into
// them, and every later change is lost with the process. So while a connection of ours is open
// we also hold open-file-description locks, which belong to our own descriptors alone: a shared
// lock over SQLite's shared range of the database file (no other program gets the exclusive lock
// that makes it the last user) and over the "in use" byte of the -shm file (no other program
// resets the shared memory). Both are shared: other programs still read and write.
//
// What they do not guard: SQLite's own locks. A stray close still drops them, and until SQLite
// takes them again another program may write, or checkpoint past a snapshot we are reading, in
// the middle of our transaction. Only never opening the file elsewhere in the process prevents
// that (the file dialogs type files by name for this reason).

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QFile>
#include <QMutex>
#include <QMutexLocker>

#include <vector>

#include "dataaccess/internal.h"

namespace zelk::da {

namespace {

// SQLite's lock layout (os_unix.c): the shared range of the database file starts two bytes after
// the pending byte at 1 GiB; the -shm file's "in use" byte follows its eight lock slots at 120.
constexpr off_t kSharedFirst = 0x40000000 + 2;
constexpr off_t kSharedSize = 510;
constexpr off_t kShmInUse = 120 + 8;

struct HeldFile {
    dev_t device = 0;
    ino_t inode = 0;
    int database = -1;
    int shm = -1;
    int users = 0;
};

QMutex heldMutex;
std::vector<HeldFile> held;

int openForLock(const QString& path) {
    return ::open(QFile::encodeName(path).constData(), O_RDONLY | O_CLOEXEC);
}

bool setLock(int fd, short type, off_t start, off_t length) {
#ifdef F_OFD_SETLK
    if (fd < 0) return false;
    struct flock lock = {};
    lock.l_type = type;
    lock.l_whence = SEEK_SET;
    lock.l_start = start;
    lock.l_len = length;
    return ::fcntl(fd, F_OFD_SETLK, &lock) == 0;
#else
    (void)fd, (void)type, (void)start, (void)length;
    return false;
#endif
}

void unlockFile(const HeldFile& file) {
    setLock(file.database, F_UNLCK, kSharedFirst, kSharedSize);
    setLock(file.shm, F_UNLCK, kShmInUse, 1);
}

}  // namespace

void holdDatabaseFile(Connection& conn, const QString& path) {
    struct stat info = {};
    if (::stat(QFile::encodeName(path).constData(), &info) != 0) return;
    QMutexLocker lock(&heldMutex);
    for (HeldFile& file : held) {
        if (file.device == info.st_dev && file.inode == info.st_ino) {
            ++file.users;
            conn.heldFile = {info.st_dev, info.st_ino};
            return;
        }
    }
    // Once opened, a descriptor stays open until the last connection has closed: closing it
    // while SQLite holds locks on the file would drop them.
    HeldFile file;
    file.device = info.st_dev;
    file.inode = info.st_ino;
    file.database = openForLock(path);
    file.shm = openForLock(path + QStringLiteral("-shm"));
    file.users = 1;
    setLock(file.database, F_RDLCK, kSharedFirst, kSharedSize);
    setLock(file.shm, F_RDLCK, kShmInUse, 1);
    held.push_back(file);
    conn.heldFile = {info.st_dev, info.st_ino};
}

void closeHeldDatabase(Connection& conn, const std::function<void()>& closeDatabase) {
    if (!conn.heldFile) {
        closeDatabase();
        return;
    }
    QMutexLocker lock(&heldMutex);
    auto it = held.begin();
    while (it != held.end() &&
           !(it->device == conn.heldFile->first && it->inode == conn.heldFile->second))
        ++it;
    conn.heldFile.reset();
    if (it == held.end() || --it->users > 0) {
        lock.unlock();
        closeDatabase();
        return;
    }
    // The last connection: without our locks its close may tidy the -wal and -shm files away
    // when no other program uses the database; then our descriptors go.
    const HeldFile file = *it;
    held.erase(it);
    unlockFile(file);
    closeDatabase();
    if (file.database >= 0) ::close(file.database);
    if (file.shm >= 0) ::close(file.shm);
}

}  // namespace zelk::da
