#pragma once
// The component's own bitmaps and icons, compiled in and loaded by name ("ID_SAVE", "ID_FORM").

#include <QIcon>
#include <QPixmap>
#include <QString>
#include <QStringList>

#include "platform/errors.h"

namespace zelk {

// A resource name that does not exist, or a size that cannot be drawn. Source is the loading
// routine, number 326 (resource not found) or 5 (invalid argument).
class ResourceError : public ZelkError {
  public:
    using ZelkError::ZelkError;
};
inline constexpr int kErrResourceNotFound = 326;

// The picture drawn at size x size pixels. Throws ResourceError for an unknown name or a size
// outside 1 to 1024.
QPixmap LoadResPicture(const QString& name, int size = 16);
// The icon, with images for the usual small and large sizes. Throws ResourceError for an
// unknown name.
QIcon LoadResIcon(const QString& name);
// Every resource name, sorted.
QStringList resourceNames();

}  // namespace zelk
