#pragma once
// The package file: GBK text, every line ended by CR LF, no byte-order mark. The reader also takes
// LF alone and a last line without an end, counts lines, and refuses a line that is not valid GBK,
// holds a NUL or a stray CR, or is longer than 64 KiB. The writer encodes strictly and writes to a
// temporary file in the target's folder, which replaces the target only when committed.

#include <QByteArray>
#include <QFile>
#include <QSaveFile>
#include <QString>
#include <memory>

namespace zelk {

inline constexpr qsizetype kMaxPackageLineBytes = 64 * 1024;

enum class LineError { None, End, CannotOpen, InvalidGbk, Nul, StrayCr, TooLong };

// A short description of a line error for the second line of a refusal.
QString lineErrorText(LineError error);

class PackageReader {
  public:
    PackageReader() = default;
    ~PackageReader();
    PackageReader(const PackageReader&) = delete;
    PackageReader& operator=(const PackageReader&) = delete;

    bool open(const QString& path);
    void close();
    // The next line without its end. False at the end of the file or on a bad line; error() says
    // which, lineNumber() then is the line's number.
    bool readLine(QString& line);
    LineError error() const { return error_; }
    // The number of the line read last (0 before the first).
    int lineNumber() const { return line_; }
    // Byte offset of the next line; seek() returns there with that line's number.
    qint64 position() const;
    bool seek(qint64 offset, int nextLineNumber);

  private:
    std::unique_ptr<QFile> file_;
    LineError error_ = LineError::None;
    int line_ = 0;
};

// GBK bytes of the text; `ok` false when a character has no GBK form.
QByteArray encodeGbkStrict(QStringView text, bool* ok);

class PackageWriter {
  public:
    explicit PackageWriter(const QString& path);
    // False when the temporary file cannot be created.
    bool open();
    // Writes the text and CR LF; false when the text has no GBK form or writing failed.
    bool writeLine(const QString& text);
    // Puts the file in place; false when that failed (the target is then untouched).
    bool commit();
    // Drops the temporary file; the target stays as it was.
    void cancel();

  private:
    QSaveFile file_;
};

}  // namespace zelk
