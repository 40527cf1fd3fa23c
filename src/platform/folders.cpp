#include "platform/folders.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QStringList>

namespace zelk {

bool EnsureFolder(QString& path) {
    if (path.isEmpty()) return false;
    QString wanted = path;
    wanted.replace(QLatin1Char('\\'), QLatin1Char('/'));
    if (QFileInfo(wanted).isDir()) return true;
    // A drive letter names a drive this system does not have; it is not a folder to make here.
    static const QRegularExpression drive(QStringLiteral("^[A-Za-z]:"));
    if (drive.match(wanted).hasMatch()) return false;

    const QString absolute = QDir::cleanPath(QDir(wanted).absolutePath());
    // Walk up to the deepest level that exists; everything below it is to be made.
    QStringList missing;
    QString existing = absolute;
    while (!QFileInfo::exists(existing)) {
        const int slash = existing.lastIndexOf(QLatin1Char('/'));
        if (slash < 0) return false;
        missing.prepend(existing.mid(slash + 1));
        existing = slash == 0 ? QStringLiteral("/") : existing.left(slash);
    }
    const QFileInfo base(existing);
    if (!base.isDir() || !base.isWritable()) return false;  // under a file, or no right to write

    QStringList made;
    QString current = existing;
    for (const QString& level : missing) {
        if (level.isEmpty()) continue;
        current = current.endsWith(QLatin1Char('/')) ? current + level
                                                     : current + QLatin1Char('/') + level;
        if (QDir().mkdir(current)) {
            made << current;
        } else if (!QFileInfo(current).isDir()) {  // made meanwhile by someone else is fine
            for (auto it = made.crbegin(); it != made.crend(); ++it) QDir().rmdir(*it);
            return false;
        }
    }
    if (!QFileInfo(absolute).isDir()) return false;
    if (!wanted.endsWith(QLatin1Char('/'))) wanted += QLatin1Char('/');
    path = wanted;
    return true;
}

void UsePrivateUserFolders(const QString& root) {
    for (const char* name : {"XDG_RUNTIME_DIR", "XDG_CONFIG_HOME", "XDG_DATA_HOME"}) {
        const QString folder = QDir(root).filePath(QString::fromLatin1(name));
        QDir().mkpath(folder);
        qputenv(name, folder.toLocal8Bit());
    }
    // Qt refuses a runtime folder that others may read.
    QFile::setPermissions(QDir(root).filePath("XDG_RUNTIME_DIR"),
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
}

}  // namespace zelk
