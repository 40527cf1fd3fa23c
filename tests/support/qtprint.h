#pragma once
// Readable GoogleTest output for Qt values.

#include <ostream>

#include <QByteArray>
#include <QString>

inline void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}
inline void PrintTo(const QByteArray& bytes, std::ostream* out) {
    *out << "bytes(" << bytes.toHex(' ').toStdString() << ')';
}
