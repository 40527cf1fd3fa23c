#include "platform/fonts.h"

#include <fontconfig/fontconfig.h>

#include <QCoreApplication>
#include <QFont>
#include <QGuiApplication>

namespace zelk {

namespace {

// The family fontconfig gives first for a pattern such as "serif:lang=zh-cn"; empty if none.
QString matchedFamily(const char* pattern) {
    FcPattern* wanted = FcNameParse(reinterpret_cast<const FcChar8*>(pattern));
    if (!wanted) return {};
    FcConfigSubstitute(nullptr, wanted, FcMatchPattern);
    FcDefaultSubstitute(wanted);
    FcResult result = FcResultNoMatch;
    FcPattern* match = FcFontMatch(nullptr, wanted, &result);
    QString family;
    FcChar8* name = nullptr;
    if (match && FcPatternGetString(match, FC_FAMILY, 0, &name) == FcResultMatch)
        family = QString::fromUtf8(reinterpret_cast<const char*>(name));
    if (match) FcPatternDestroy(match);
    FcPatternDestroy(wanted);
    return family;
}

}  // namespace

QStringList preferredFontFamilies() {
    // The suite's users read Chinese. Fonts are not installed while the program runs.
    static const QStringList matched = [] {
        QStringList families;
        for (const char* pattern : {"sans-serif:lang=zh-cn", "sans-serif", "serif:lang=zh-cn",
                                    "serif", "monospace:lang=zh-cn", "monospace"}) {
            const QString family = matchedFamily(pattern);
            if (!family.isEmpty()) families << family;
        }
        return families;
    }();
    QStringList families;
    // The program may change its default font, so that one is asked each time.
    if (qobject_cast<QGuiApplication*>(QCoreApplication::instance()))
        families << QGuiApplication::font().family();
    families << matched;
    families.removeAll(QString());
    families.removeDuplicates();
    return families;
}

}  // namespace zelk
