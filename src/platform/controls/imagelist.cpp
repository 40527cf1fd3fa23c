#include "platform/controls/imagelist.h"

#include "platform/resources.h"

namespace zelk {

int ImageList::Add(const QString& resourceName, const QString& key) {
    return Add(LoadResIcon(resourceName), key);
}

int ImageList::Add(const QIcon& icon, const QString& key) {
    images_.push_back({key, icon});
    return Count();
}

int ImageList::Add(const QPixmap& pixmap, const QString& key) {
    return Add(QIcon(pixmap), key);
}

int ImageList::IndexOf(const QString& key) const {
    if (key.isEmpty()) return 0;
    for (int i = 0; i < Count(); ++i)
        if (images_[i].key == key) return i + 1;
    return 0;
}

QIcon ImageList::Icon(int index) const {
    if (index < 1 || index > Count()) return {};
    return images_[index - 1].icon;
}

QIcon ImageList::Icon(const QString& key) const {
    return Icon(IndexOf(key));
}

QString ImageList::Key(int index) const {
    if (index < 1 || index > Count()) return {};
    return images_[index - 1].key;
}

}  // namespace zelk
