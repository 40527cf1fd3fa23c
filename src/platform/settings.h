#pragma once
// The per-user settings store: (application, section, key) -> text, kept as an INI file per
// application in the XDG configuration folder ("KELMORAX.ini" for the component). And a reader
// for the suite's own INI files.

#include <QString>

namespace zelk {

// The component's application name in the store.
inline const QString kSettingsApplication = QStringLiteral("KELMORAX");

// The stored text, or `defaultValue` when the key (or the store) does not exist.
QString GetSetting(const QString& application, const QString& section, const QString& key,
                   const QString& defaultValue = QString());
// Stores the text; false (and nothing changed) for an empty application, section or key or
// when the store cannot be written.
bool SaveSetting(const QString& application, const QString& section, const QString& key,
                 const QString& value);
// Removes a key, or the whole section when `key` is empty.
bool DeleteSetting(const QString& application, const QString& section,
                   const QString& key = QString());
// The file behind an application's store.
QString settingsFilePath(const QString& application);

// Reads a value from an INI file as the suite writes them: "[section]" headers and "key=value"
// lines, names compared without regard to case, blanks around names and values ignored, one pair
// of enclosing quotes removed, ';' lines are comments. UTF-8, else GBK. The default when the file,
// section or key is missing.
QString GetPrivateProfileString(const QString& file, const QString& section, const QString& key,
                                const QString& defaultValue = QString());

}  // namespace zelk
