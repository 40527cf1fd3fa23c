#pragma once
// What the file dialogs show of a file: icons and type names from its name alone, and sizes and
// dates in Chinese.

#include <QFileIconProvider>
#include <QIdentityProxyModel>
#include <QLocale>

namespace zelk {

// The type name of an interface package, as the package dialogs' filter calls it.
inline const QString kPackageTypeName = QStringLiteral("界面数据文件");

// Qt's own provider reads a file to learn its type. Reading means opening and closing it, and
// closing any descriptor of a database file drops every lock the process holds on it: a dialog
// that only lists the database's folder would release the database. This one never opens a file.
// Types are Chinese: a package is "界面数据文件", a folder "文件夹", any other file its suffix
// followed by "文件".
class NameOnlyFileIcons : public QFileIconProvider {
  public:
    NameOnlyFileIcons();
    using QFileIconProvider::icon;
    QIcon icon(const QFileInfo& info) const override;
    QString type(const QFileInfo& info) const override;
};

// The one provider of the program's file dialogs.
NameOnlyFileIcons* nameOnlyFileIcons();

// Over a file dialog's QFileSystemModel: sizes and modification dates in the given locale, where
// the model writes them in the system's (English on a machine without a Chinese locale).
class LocalFileColumns : public QIdentityProxyModel {
  public:
    LocalFileColumns(const QLocale& locale, QObject* parent = nullptr);
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;

  private:
    QLocale locale_;
};

}  // namespace zelk
