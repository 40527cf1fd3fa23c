// The file dialogs' icons and types come from names: listing a folder opens none of its files, so
// a database in it keeps the locks of the process.

#include <sys/inotify.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <QFile>
#include <QFileSystemModel>
#include <QSignalSpy>
#include <QTemporaryDir>

#include "platform/fileicons.h"

namespace zelk {
namespace {

TEST(FileDialogIcons, ListingAFolderOpensNoFile) {
    QTemporaryDir dir;
    const std::pair<const char*, QByteArray> files[] = {
        {"db.sqlite", QByteArray("SQLite format 3\0", 16)},
        {"db.sqlite-wal", QByteArray(32, '\x37')},
        {"noext", QByteArray("%PDF-1.4\n")},
        {"包.idf", QByteArray("[interface]\r\n")},
    };
    for (const auto& [name, content] : files) {
        QFile f(dir.filePath(QString::fromUtf8(name)));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(content);
    }
    const int watch = inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
    ASSERT_GE(watch, 0);
    ASSERT_GE(inotify_add_watch(watch, QFile::encodeName(dir.path()).constData(), IN_OPEN), 0);

    QFileSystemModel model;
    model.setIconProvider(nameOnlyFileIcons());
    QSignalSpy loaded(&model, &QFileSystemModel::directoryLoaded);
    const QModelIndex root = model.setRootPath(dir.path());
    ASSERT_TRUE(loaded.wait());
    ASSERT_EQ(model.rowCount(root), 4);
    for (int row = 0; row < model.rowCount(root); ++row) {
        const QModelIndex name = model.index(row, 0, root);
        EXPECT_FALSE(model.data(name, Qt::DecorationRole).isNull());
        EXPECT_FALSE(model.type(name).isEmpty());
        const QFileInfo info = model.fileInfo(name);
        nameOnlyFileIcons()->icon(info);
        nameOnlyFileIcons()->type(info);
    }
    QCoreApplication::processEvents();

    QStringList opened;
    alignas(inotify_event) char buffer[4096];
    for (ssize_t n; (n = ::read(watch, buffer, sizeof buffer)) > 0;) {
        for (char* p = buffer; p < buffer + n;) {
            const auto* event = reinterpret_cast<const inotify_event*>(p);
            if (event->len > 0 && !(event->mask & IN_ISDIR))
                opened << QFile::decodeName(event->name);
            p += sizeof(inotify_event) + event->len;
        }
    }
    ::close(watch);
    EXPECT_TRUE(opened.isEmpty()) << opened.join(' ').toStdString();
}

}  // namespace
}  // namespace zelk
