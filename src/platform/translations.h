#pragma once
// Qt's own texts in Chinese: the file, font and colour dialogs and the standard buttons, as the
// suite's users read every other window.

#include <QLocale>

namespace zelk {

// Where Qt's widgets write dates and sizes in the system's locale, the windows write them so.
inline QLocale UsersLocale() {
    return QLocale(QLocale::Chinese, QLocale::China);
}

// Installs Qt's Chinese translation (qtbase_zh_CN.qm from Qt's translations folder) once per
// process. A program that already translates Qt's texts keeps its own and nothing is added. True
// when Qt's texts are translated afterwards; false without a QCoreApplication or without the file.
bool LoadQtTranslations();

}  // namespace zelk
