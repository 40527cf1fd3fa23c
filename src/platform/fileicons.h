#pragma once
// Icons and type names for the file dialogs, taken from a file's name alone.

#include <QFileIconProvider>

namespace zelk {

// Qt's own provider reads a file to learn its type. Reading means opening and closing it, and
// closing any descriptor of a database file drops every lock the process holds on it: a dialog
// that only lists the database's folder would release the database. This one never opens a file.
class NameOnlyFileIcons : public QFileIconProvider {
  public:
    NameOnlyFileIcons();
    using QFileIconProvider::icon;
    QIcon icon(const QFileInfo& info) const override;
    QString type(const QFileInfo& info) const override;
};

// The one provider of the program's file dialogs.
NameOnlyFileIcons* nameOnlyFileIcons();

}  // namespace zelk
