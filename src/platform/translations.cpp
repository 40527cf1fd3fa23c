#include "platform/translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace zelk {

namespace {

// A text of Qt's standard buttons: translated once any translation of Qt's texts is installed.
bool qtTextsTranslated() {
    return QCoreApplication::translate("QPlatformTheme", "Cancel") != QLatin1String("Cancel");
}

}  // namespace

bool LoadQtTranslations() {
    QCoreApplication* app = QCoreApplication::instance();
    if (!app) return false;
    if (qtTextsTranslated()) return true;
    // Owned by the application, so it lives as long as the texts are needed.
    auto* translator = new QTranslator(app);
    if (!translator->load(QStringLiteral("qtbase_zh_CN"),
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath)) ||
        !QCoreApplication::installTranslator(translator)) {
        delete translator;
        return false;
    }
    return true;
}

}  // namespace zelk
