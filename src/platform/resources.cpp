#include "platform/resources.h"

#include <memory>
#include <mutex>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QHash>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>

// The resource file lives in a static library: register it before the first look-up, whichever
// program links us.
static void initZelkResources() {
    Q_INIT_RESOURCE(zelk_resources);
}

namespace zelk {

namespace {

constexpr int kMaxSize = 1024;

void ensureRegistered() {
    static std::once_flag once;
    std::call_once(once, initZelkResources);
}

QString pathOf(const QString& name, const QString& routine) {
    ensureRegistered();
    const QString path = QStringLiteral(":/zelk/resources/") + name + QStringLiteral(".svg");
    // Names are matched exactly: "id_save" is not "ID_SAVE", as the callers spell them.
    if (name.isEmpty() || name.contains(QLatin1Char('/')) || !QFile::exists(path))
        throw ResourceError(routine, QStringLiteral("no resource named \"%1\"").arg(name),
                            kErrResourceNotFound);
    return path;
}

// The parsed picture; parsed once however many sizes are drawn from it.
std::unique_ptr<QSvgRenderer> loadSvg(const QString& path, const QString& name,
                                      const QString& routine) {
    auto renderer = std::make_unique<QSvgRenderer>(path);
    if (!renderer->isValid())
        throw ResourceError(routine, QStringLiteral("resource \"%1\" cannot be drawn").arg(name),
                            kErrResourceNotFound);
    return renderer;
}

QPixmap render(QSvgRenderer& renderer, int size) {
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    renderer.render(&painter, QRectF(0, 0, size, size));
    painter.end();
    return QPixmap::fromImage(image);
}

}  // namespace

QPixmap LoadResPicture(const QString& name, int size) {
    const QString routine = QStringLiteral("LoadResPicture");
    const QString path = pathOf(name, routine);
    if (size < 1 || size > kMaxSize)
        throw ResourceError(
            routine,
            QStringLiteral("resource \"%1\" cannot be drawn at size %2").arg(name).arg(size),
            kErrInvalidArgument);
    return render(*loadSvg(path, name, routine), size);
}

QIcon LoadResIcon(const QString& name) {
    // Windows load the same few icons each time they open: each is drawn once (UI thread only).
    static QHash<QString, QIcon> drawn;
    static const bool clearedWithTheApplication = [] {
        // The pictures go with the application, before the statics.
        if (qApp) QObject::connect(qApp, &QObject::destroyed, [] { drawn.clear(); });
        return true;
    }();
    (void)clearedWithTheApplication;
    if (const auto it = drawn.constFind(name); it != drawn.constEnd()) return *it;
    const QString routine = QStringLiteral("LoadResIcon");
    const QString path = pathOf(name, routine);
    const auto renderer = loadSvg(path, name, routine);
    QIcon icon;
    for (int size : {16, 24, 32, 48}) icon.addPixmap(render(*renderer, size));
    drawn.insert(name, icon);
    return icon;
}

QStringList resourceNames() {
    ensureRegistered();
    QStringList names;
    for (const QString& file : QDir(QStringLiteral(":/zelk/resources")).entryList(QDir::Files))
        if (file.endsWith(QLatin1String(".svg"))) names << file.chopped(4);
    names.sort();
    return names;
}

}  // namespace zelk
