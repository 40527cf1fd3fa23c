#pragma once
// The picture list the window controls share: images numbered from 1, optionally keyed, most
// often filled from the component's resources ("ID_TABLE", "ID_BOLD"). A window owns its lists;
// the controls it hands them to keep a pointer and must not outlive them.

#include <QIcon>
#include <QPixmap>
#include <QString>
#include <QVector>

namespace zelk {

class ImageList {
  public:
    // Appends the resource picture `name` (an "ID_..." name). Throws ResourceError for an unknown
    // name, as loading a missing resource did. Returns the new image's index.
    int Add(const QString& resourceName, const QString& key = {});
    // Appends an image made by the window.
    int Add(const QIcon& icon, const QString& key = {});
    int Add(const QPixmap& pixmap, const QString& key = {});

    int Count() const { return static_cast<int>(images_.size()); }
    void Clear() { images_.clear(); }

    // Index of the image with that key; 0 when none.
    int IndexOf(const QString& key) const;
    // The image at a 1-based index, or with a key; a null icon when there is none.
    QIcon Icon(int index) const;
    QIcon Icon(const QString& key) const;
    QString Key(int index) const;

  private:
    struct Image {
        QString key;
        QIcon icon;
    };
    QVector<Image> images_;
};

}  // namespace zelk
