#include "platform/fileicons.h"

#include <QFileInfo>
#include <QMimeDatabase>

namespace zelk {

NameOnlyFileIcons::NameOnlyFileIcons() {
    // A folder's own icon would be read from a file inside it.
    setOptions(DontUseCustomDirectoryIcons);
}

QIcon NameOnlyFileIcons::icon(const QFileInfo& info) const {
    if (info.isRoot()) return icon(Drive);
    if (info.isDir()) return icon(Folder);
    return icon(File);
}

QString NameOnlyFileIcons::type(const QFileInfo& info) const {
    if (!info.isFile()) return QFileIconProvider::type(info);  // folders and drives: no reading
    const QMimeDatabase mimes;
    const QList<QMimeType> byName = mimes.mimeTypesForFileName(info.fileName());
    const QMimeType mime = byName.isEmpty()
                               ? mimes.mimeTypeForName(QStringLiteral("application/octet-stream"))
                               : byName.front();
    return mime.comment().isEmpty() ? mime.name() : mime.comment();
}

NameOnlyFileIcons* nameOnlyFileIcons() {
    static NameOnlyFileIcons provider;
    return &provider;
}

}  // namespace zelk
