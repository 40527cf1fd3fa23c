#include "platform/fileicons.h"

#include <QFileInfo>
#include <QFileSystemModel>

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

// Runs in the file system model's gatherer thread too: it touches nothing shared.
QString NameOnlyFileIcons::type(const QFileInfo& info) const {
    if (info.isDir()) return QStringLiteral("文件夹");
    const QString suffix = info.suffix();
    if (suffix.compare(QLatin1String("idf"), Qt::CaseInsensitive) == 0) return kPackageTypeName;
    return suffix.isEmpty() ? QStringLiteral("文件") : suffix.toUpper() + QStringLiteral(" 文件");
}

NameOnlyFileIcons* nameOnlyFileIcons() {
    static NameOnlyFileIcons provider;
    return &provider;
}

LocalFileColumns::LocalFileColumns(const QLocale& locale, QObject* parent)
    : QIdentityProxyModel(parent), locale_(locale) {}

QVariant LocalFileColumns::data(const QModelIndex& index, int role) const {
    const auto* files = qobject_cast<const QFileSystemModel*>(sourceModel());
    if (role != Qt::DisplayRole || !files || !index.isValid())
        return QIdentityProxyModel::data(index, role);
    const QModelIndex source = mapToSource(index);
    // Columns of QFileSystemModel: name, size, type, date modified. A folder has no size.
    if (index.column() == 1 && !files->isDir(source))
        return locale_.formattedDataSize(files->size(source));
    if (index.column() == 3)
        return locale_.toString(files->lastModified(source), QLocale::ShortFormat);
    return QIdentityProxyModel::data(index, role);
}

}  // namespace zelk
