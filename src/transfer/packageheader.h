#pragma once
// Reading a package's header and interface lines (lines 1 to 11+N) for the import page, and the
// whole-package check the import makes before it writes anything.

#include <QString>
#include <QStringList>
#include <array>
#include <cstdint>
#include <map>
#include <optional>
#include <vector>

#include "component/records.h"

namespace zelk {

inline const QString kPackageMark = QStringLiteral("界面数据包");
inline const QString kPackageEnd = QStringLiteral("#结束");

struct PackageHeader {
    QString path;                   // the file the lists came from
    std::array<QString, 5> values;  // lines 4 to 8: system, main table, class, user, time
    QStringList indtLines;          // element k-1: interface line k, as read
    std::vector<INDTRecord> records;
    std::vector<int> kinds;  // the kind code of each interface line, 0 to 7
};

// A package the reader refuses: the message box's text (message and line), title and style.
struct PackageRefusal {
    QString text;
    QString title;
    int style = 0;
};

// Reads the header; nullopt when it was read whole, else the refusal (header left unusable).
std::optional<PackageRefusal> readPackageHeader(const QString& path, PackageHeader& header);

// Where a section's item lines begin.
struct SectionPlace {
    std::int32_t count = 0;
    qint64 offset = 0;  // byte offset of its first item line
    int firstLine = 0;  // that line's number
};

// The result of the whole-package check: the first section of every "[#n]" line.
struct CheckedPackage {
    std::map<QString, SectionPlace> sections;
};

// Reads the whole package once: its interface lines must be `indtLines`, its lines valid, every
// section exactly its count of parseable item lines, the file ended by "#结束", and every
// interface of `tickedRows` (1-based rows of `indtLines`) given a section. nullopt when sound,
// else the second line of the refusal.
std::optional<QString> checkPackage(const QString& path, const QStringList& indtLines,
                                    const std::vector<int>& tickedRows, CheckedPackage& checked);

QString sectionMarker(std::int32_t number);

}  // namespace zelk
