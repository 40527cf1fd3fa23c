#pragma once
// The component's own bitmaps and icons, compiled in and loaded by name ("ID_SAVE", "ID_FORM").

#include <stdexcept>

#include <QIcon>
#include <QPixmap>
#include <QString>
#include <QStringList>

namespace zelk {

// A resource name that does not exist, or a size that cannot be drawn.
class ResourceError : public std::runtime_error {
  public:
    explicit ResourceError(const QString& message) : std::runtime_error(message.toStdString()) {}
};

// The picture drawn at size x size pixels. Throws ResourceError for an unknown name or a size
// outside 1 to 1024.
QPixmap LoadResPicture(const QString& name, int size = 16);
// The icon, with images for the usual small and large sizes. Throws ResourceError for an
// unknown name.
QIcon LoadResIcon(const QString& name);
// Every resource name, sorted.
QStringList resourceNames();

}  // namespace zelk
