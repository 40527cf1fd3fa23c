#pragma once
// Text members of records: GBK bytes in a fixed field.
// Writing: the value's bytes, one NUL, blanks to the end; a value of the field's width or more is
// cut at a character boundary (a lone lead byte becomes a blank) and gets no NUL.
// Reading: cut at the first NUL, strip trailing blanks (code 32 only), decode.

#include <array>
#include <cstddef>

#include <QByteArray>
#include <QString>

namespace zelk {

// GBK (code page 936) conversion. Characters GBK cannot hold become "?".
QByteArray toGbk(const QString& text);
QString fromGbk(const QByteArray& bytes);

// Number of leading bytes of `bytes` that end on a GBK character boundary and fit in `limit`.
std::size_t gbkCutLength(const char* bytes, std::size_t length, std::size_t limit);

void writeFieldBytes(char* field, std::size_t width, const QByteArray& value);
QByteArray readFieldBytes(const char* field, std::size_t width);
// Copy between fields of like layouts: unchanged, cut or blank-filled, no NUL added.
void copyFieldBytes(char* target, std::size_t targetWidth, const char* source,
                    std::size_t sourceWidth);

template <std::size_t N>
void setField(std::array<char, N>& field, const QString& value) {
    writeFieldBytes(field.data(), N, toGbk(value));
}

template <std::size_t N>
void setFieldBytes(std::array<char, N>& field, const QByteArray& value) {
    writeFieldBytes(field.data(), N, value);
}

// The field as text: cut at its first NUL, trailing blanks removed, decoded from GBK.
template <std::size_t N>
QString fieldText(const std::array<char, N>& field) {
    return fromGbk(readFieldBytes(field.data(), N));
}

// The field's raw bytes, cut at the first NUL and stripped of trailing blanks.
template <std::size_t N>
QByteArray fieldBytes(const std::array<char, N>& field) {
    return readFieldBytes(field.data(), N);
}

// The field's whole content, untrimmed, decoded (what a raw read of the member gives).
template <std::size_t N>
QString rawFieldText(const std::array<char, N>& field) {
    return fromGbk(QByteArray(field.data(), static_cast<qsizetype>(N)));
}

template <std::size_t N, std::size_t M>
void copyField(std::array<char, N>& target, const std::array<char, M>& source) {
    copyFieldBytes(target.data(), N, source.data(), M);
}

}  // namespace zelk
