#pragma once
// Lines of an interface package: one record per line, its members' values joined by "|", member
// k in piece k. One member table per record type drives the parsers and the export's line check.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

#include <QString>
#include <QStringList>

#include "component/records.h"

namespace zelk {

// One member of a record in line order: where it lies, its width (0: a 32-bit integer), its name.
struct LineMember {
    std::size_t offset;
    std::size_t width;
    const char* name;
    bool isInt() const { return width == 0; }
};

struct LineTable {
    const char* table;  // "INDT", "ISIT", ...
    std::size_t recordSize;
    std::vector<LineMember> members;
    int columnCount() const { return static_cast<int>(members.size()); }
};

const LineTable& indtLineTable();
const LineTable& isitLineTable();
const LineTable& ilitLineTable();
const LineTable& ijstLineTable();
const LineTable& ilstLineTable();

// Why a line does not parse; `column` is the first member concerned (0-based).
struct LineFault {
    enum Kind { TooFewPieces, BadNumber } kind;
    int column;
    QString describe(const LineTable& table) const;
};

// Parses `line` into the record, which is cleared first (a short line never inherits values).
// Pieces after the last member are ignored. Integer pieces: a number (blanks around it allowed)
// within 32 bits; text pieces: the value, one NUL, blanks, cut to the member's width.
std::optional<LineFault> parseLine(const LineTable& table, const QString& line, void* record,
                                   QChar separator = QChar(u'|'));

// The parsers by record type; a line that does not parse throws ZelkError with its fault.
void ParseINDTLine(const QString& line, INDTRecord& record, const QString& separator);
void ParseISITLine(const QString& line, ISITRecord& record, const QString& separator);
void ParseILITLine(const QString& line, ILITRecord& record, const QString& separator);
void ParseIJSTLine(const QString& line, IJSTRecord& record, const QString& separator);
void ParseILSTLine(const QString& line, ILSTRecord& record, const QString& separator);

// A whole count: digits only (blanks around them allowed), 0 up to 2^31-1.
std::optional<std::int32_t> wholeCount(const QString& text);

// ---- Transfer kinds ---------------------------------------------------------------------------
// Names and icons (in the window's image list, 0 for none) of the kind codes 0 to 7.
struct TransferKind {
    QString name;
    int icon;
};
const TransferKind& TransferKindNames(int code);
// The kind code of an INDT record's id05, when it is a number from 0 to 7.
std::optional<int> transferKindCode(const INDTRecord& record);

// What a kind name means for the item rows: the item table's line table and the query parts.
struct ItemKind {
    int kind;  // 1 to 6
    const LineTable* lines;
    const char* queryTable;   // "isit", "ilit", "ijst", "ilst"
    const char* ownerColumn;  // "ii01" or "is01"
    const char* phasePrefix;
};
// nullptr for a name that names no item table (kinds 0 and 7, any other text).
const ItemKind* itemKindByName(const QString& typeText);

// The member names of a table joined by ",".
QString columnList(const LineTable& table);

}  // namespace zelk
