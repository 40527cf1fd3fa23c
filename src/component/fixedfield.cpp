#include "component/fixedfield.h"

#include <QStringDecoder>
#include <QStringEncoder>
#include <cstring>

namespace zelk {

// Most fields are numbers and plain letters: ASCII is the same in GBK and needs no converter.
// The converters are made once per thread; each call starts from a clean state.
QByteArray toGbk(const QString& text) {
    bool ascii = true;
    for (const QChar c : text)
        if (c.unicode() >= 0x80) {
            ascii = false;
            break;
        }
    if (ascii) return text.toLatin1();
    thread_local QStringEncoder encoder("GBK");
    encoder.resetState();
    QByteArray bytes = encoder.encode(text);
    return bytes;
}

QString fromGbk(const QByteArray& bytes) {
    bool ascii = true;
    for (const char c : bytes)
        if (static_cast<unsigned char>(c) >= 0x80) {
            ascii = false;
            break;
        }
    if (ascii) return QString::fromLatin1(bytes);
    thread_local QStringDecoder decoder("GBK");
    decoder.resetState();
    QString text = decoder.decode(bytes);
    return text;
}

std::size_t gbkCutLength(const char* bytes, std::size_t length, std::size_t limit) {
    if (length <= limit) return length;
    std::size_t i = 0;
    while (i < limit) {
        const auto lead = static_cast<unsigned char>(bytes[i]);
        const std::size_t step = (lead >= 0x81 && lead <= 0xFE && i + 1 < length) ? 2 : 1;
        if (i + step > limit) break;
        i += step;
    }
    return i;
}

void writeFieldBytes(char* field, std::size_t width, const QByteArray& value) {
    const auto length = static_cast<std::size_t>(value.size());
    if (length >= width) {
        const std::size_t keep = gbkCutLength(value.constData(), length, width);
        std::memcpy(field, value.constData(), keep);
        std::memset(field + keep, ' ', width - keep);
        return;
    }
    std::memcpy(field, value.constData(), length);
    field[length] = '\0';
    std::memset(field + length + 1, ' ', width - length - 1);
}

QByteArray readFieldBytes(const char* field, std::size_t width) {
    std::size_t end = 0;
    while (end < width && field[end] != '\0') ++end;
    while (end > 0 && field[end - 1] == ' ') --end;
    return QByteArray(field, static_cast<qsizetype>(end));
}

void copyFieldBytes(char* target, std::size_t targetWidth, const char* source,
                    std::size_t sourceWidth) {
    const std::size_t keep = sourceWidth < targetWidth ? sourceWidth : targetWidth;
    std::memcpy(target, source, keep);
    if (keep < targetWidth) std::memset(target + keep, ' ', targetWidth - keep);
}

}  // namespace zelk
