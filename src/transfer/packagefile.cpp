#include "transfer/packagefile.h"

#include <QStringDecoder>
#include <QStringEncoder>
#include <optional>

namespace zelk {

QString lineErrorText(LineError error) {
    switch (error) {
        case LineError::None:
            return QString();
        case LineError::End:
            return QStringLiteral("文件意外结束");
        case LineError::CannotOpen:
            return QStringLiteral("文件不能打开");
        case LineError::InvalidGbk:
            return QStringLiteral("不是有效的 GBK 文本");
        case LineError::Nul:
            return QStringLiteral("含有空字符");
        case LineError::StrayCr:
            return QStringLiteral("含有多余的回车符");
        case LineError::TooLong:
            return QStringLiteral("行超过 64 KiB");
    }
    return QString();
}

PackageReader::~PackageReader() = default;

bool PackageReader::open(const QString& path) {
    close();
    file_ = std::make_unique<QFile>(path);
    if (!file_->open(QIODevice::ReadOnly)) {
        file_.reset();
        error_ = LineError::CannotOpen;
        return false;
    }
    return true;
}

void PackageReader::close() {
    file_.reset();
    error_ = LineError::None;
    line_ = 0;
}

bool PackageReader::readLine(QString& line) {
    if (!file_) {
        error_ = LineError::CannotOpen;
        return false;
    }
    if (file_->atEnd()) {
        error_ = LineError::End;
        return false;
    }
    ++line_;
    // Room for the longest line, its CR LF and one byte more to tell a line that is too long.
    QByteArray bytes = file_->readLine(kMaxPackageLineBytes + 3);
    bool ended = bytes.endsWith('\n');
    if (ended) bytes.chop(1);
    if (ended && bytes.endsWith('\r')) bytes.chop(1);
    if (bytes.size() > kMaxPackageLineBytes || (!ended && !file_->atEnd())) {
        error_ = LineError::TooLong;
        return false;
    }
    if (bytes.contains('\0')) {
        error_ = LineError::Nul;
        return false;
    }
    if (bytes.contains('\r')) {
        error_ = LineError::StrayCr;
        return false;
    }
    thread_local std::optional<QStringDecoder> decoder;
    if (!decoder) decoder.emplace("GBK", QStringConverter::Flag::Stateless);
    line = decoder->decode(bytes);
    if (decoder->hasError()) decoder.reset();  // its error mark would stay
    if (!decoder || line.contains(QChar::ReplacementCharacter)) {
        error_ = LineError::InvalidGbk;
        return false;
    }
    error_ = LineError::None;
    return true;
}

qint64 PackageReader::position() const {
    return file_ ? file_->pos() : 0;
}

bool PackageReader::seek(qint64 offset, int nextLineNumber) {
    if (!file_ || !file_->seek(offset)) return false;
    line_ = nextLineNumber - 1;
    error_ = LineError::None;
    return true;
}

QByteArray encodeGbkStrict(QStringView text, bool* ok) {
    // One converter per thread: making one is far dearer than a line's conversion. Its error
    // mark stays once set, so a converter that met an error is replaced.
    thread_local std::optional<QStringEncoder> encoder;
    if (!encoder) encoder.emplace("GBK", QStringConverter::Flag::Stateless);
    QByteArray bytes = encoder->encode(text);
    const bool good = !encoder->hasError();
    if (!good) encoder.reset();
    if (ok) *ok = good;
    return bytes;
}

PackageWriter::PackageWriter(const QString& path) : file_(path) {}

bool PackageWriter::open() {
    return file_.open(QIODevice::WriteOnly);
}

bool PackageWriter::writeLine(const QString& text) {
    bool ok = false;
    QByteArray bytes = encodeGbkStrict(text, &ok);
    if (!ok) return false;
    bytes.append("\r\n", 2);
    return file_.write(bytes) == bytes.size();
}

bool PackageWriter::commit() {
    return file_.commit();
}

void PackageWriter::cancel() {
    file_.cancelWriting();
    // The temporary file goes when the object is closed without commit.
    if (file_.isOpen()) file_.commit();
}

}  // namespace zelk
