#include "platform/settings.h"

#include <QFile>
#include <QSettings>
#include <QStandardPaths>
#include <QStringDecoder>

namespace zelk {

namespace {

bool usableName(const QString& name) {
    // '/' and '\' would nest groups in the store: refuse rather than write somewhere else.
    return !name.trimmed().isEmpty() && !name.contains(QLatin1Char('/')) &&
           !name.contains(QLatin1Char('\\'));
}

QSettings openStore(const QString& application) {
    return QSettings(settingsFilePath(application), QSettings::IniFormat);
}

}  // namespace

QString settingsFilePath(const QString& application) {
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           QLatin1Char('/') + application + QStringLiteral(".ini");
}

QString GetSetting(const QString& application, const QString& section, const QString& key,
                   const QString& defaultValue) {
    if (!usableName(application) || !usableName(section) || !usableName(key)) return defaultValue;
    QSettings store = openStore(application);
    return store.value(section + QLatin1Char('/') + key, defaultValue).toString();
}

bool SaveSetting(const QString& application, const QString& section, const QString& key,
                 const QString& value) {
    if (!usableName(application) || !usableName(section) || !usableName(key)) return false;
    QSettings store = openStore(application);
    store.setValue(section + QLatin1Char('/') + key, value);
    store.sync();
    return store.status() == QSettings::NoError;
}

bool DeleteSetting(const QString& application, const QString& section, const QString& key) {
    if (!usableName(application) || !usableName(section)) return false;
    if (!key.isEmpty() && !usableName(key)) return false;
    QSettings store = openStore(application);
    store.remove(key.isEmpty() ? section : section + QLatin1Char('/') + key);
    store.sync();
    return store.status() == QSettings::NoError;
}

QString GetPrivateProfileString(const QString& file, const QString& section, const QString& key,
                                const QString& defaultValue) {
    QFile f(file);
    if (!f.open(QIODevice::ReadOnly)) return defaultValue;
    const QByteArray bytes = f.readAll();
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = utf8(bytes);
    if (utf8.hasError()) {
        QStringDecoder gbk("GBK");
        if (gbk.isValid()) text = gbk(bytes);
    }
    if (text.startsWith(QChar(0xFEFF))) text.remove(0, 1);

    bool inSection = false;
    const QStringList lines = text.split(QLatin1Char('\n'));
    for (QString line : lines) {
        line = line.trimmed();
        if (line.isEmpty() || line.startsWith(QLatin1Char(';'))) continue;
        if (line.startsWith(QLatin1Char('['))) {
            const int end = line.indexOf(QLatin1Char(']'));
            const QString name = line.mid(1, end < 0 ? -1 : end - 1).trimmed();
            inSection = name.compare(section.trimmed(), Qt::CaseInsensitive) == 0;
            continue;
        }
        if (!inSection) continue;
        const int eq = line.indexOf(QLatin1Char('='));
        if (eq < 0) continue;
        if (line.left(eq).trimmed().compare(key.trimmed(), Qt::CaseInsensitive) != 0) continue;
        QString value = line.mid(eq + 1).trimmed();
        if (value.size() >= 2 &&
            ((value.startsWith(QLatin1Char('"')) && value.endsWith(QLatin1Char('"'))) ||
             (value.startsWith(QLatin1Char('\'')) && value.endsWith(QLatin1Char('\'')))))
            value = value.mid(1, value.size() - 2);
        return value;
    }
    return defaultValue;
}

}  // namespace zelk
