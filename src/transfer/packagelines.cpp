#include "transfer/packagelines.h"

#include <array>
#include <cstring>

#include "component/fixedfield.h"
#include "component/zelkmodule.h"
#include "platform/errors.h"
#include "transfer/packagefile.h"

namespace zelk {

// Widths come from the record types themselves, so a table can never disagree with its record.
#define INT_MEMBER(R, m)      \
    LineMember {              \
        offsetof(R, m), 0, #m \
    }
#define TEXT_MEMBER(R, m)                \
    LineMember {                         \
        offsetof(R, m), sizeof(R::m), #m \
    }

const LineTable& indtLineTable() {
    static const LineTable table{"INDT",
                                 sizeof(INDTRecord),
                                 {
                                     INT_MEMBER(INDTRecord, id00),  TEXT_MEMBER(INDTRecord, id01),
                                     TEXT_MEMBER(INDTRecord, id02), TEXT_MEMBER(INDTRecord, id03),
                                     TEXT_MEMBER(INDTRecord, id04), TEXT_MEMBER(INDTRecord, id05),
                                     TEXT_MEMBER(INDTRecord, id06), TEXT_MEMBER(INDTRecord, id07),
                                     TEXT_MEMBER(INDTRecord, id08), TEXT_MEMBER(INDTRecord, id09),
                                     TEXT_MEMBER(INDTRecord, id10), TEXT_MEMBER(INDTRecord, id11),
                                     TEXT_MEMBER(INDTRecord, id12), TEXT_MEMBER(INDTRecord, id13),
                                     TEXT_MEMBER(INDTRecord, id14), TEXT_MEMBER(INDTRecord, id15),
                                     TEXT_MEMBER(INDTRecord, id16), TEXT_MEMBER(INDTRecord, id17),
                                     TEXT_MEMBER(INDTRecord, id18), TEXT_MEMBER(INDTRecord, id19),
                                     TEXT_MEMBER(INDTRecord, id20),
                                 }};
    return table;
}

// Members 00 to 30 of the four item and column rows have the same types under either prefix;
// the item rows (ISIT, IJST) go on to member 45, all text.
#define ITEM_MEMBERS_00_30(R, p)                                                                  \
    INT_MEMBER(R, p##00), INT_MEMBER(R, p##01), TEXT_MEMBER(R, p##02), TEXT_MEMBER(R, p##03),     \
        INT_MEMBER(R, p##04), TEXT_MEMBER(R, p##05), TEXT_MEMBER(R, p##06), INT_MEMBER(R, p##07), \
        INT_MEMBER(R, p##08), INT_MEMBER(R, p##09), INT_MEMBER(R, p##10), INT_MEMBER(R, p##11),   \
        INT_MEMBER(R, p##12), INT_MEMBER(R, p##13), INT_MEMBER(R, p##14), TEXT_MEMBER(R, p##15),  \
        TEXT_MEMBER(R, p##16), TEXT_MEMBER(R, p##17), TEXT_MEMBER(R, p##18),                      \
        TEXT_MEMBER(R, p##19), TEXT_MEMBER(R, p##20), TEXT_MEMBER(R, p##21),                      \
        TEXT_MEMBER(R, p##22), TEXT_MEMBER(R, p##23), TEXT_MEMBER(R, p##24),                      \
        TEXT_MEMBER(R, p##25), TEXT_MEMBER(R, p##26), TEXT_MEMBER(R, p##27),                      \
        TEXT_MEMBER(R, p##28), TEXT_MEMBER(R, p##29), TEXT_MEMBER(R, p##30)
#define ITEM_MEMBERS_31_45(R, p)                                                                \
    TEXT_MEMBER(R, p##31), TEXT_MEMBER(R, p##32), TEXT_MEMBER(R, p##33), TEXT_MEMBER(R, p##34), \
        TEXT_MEMBER(R, p##35), TEXT_MEMBER(R, p##36), TEXT_MEMBER(R, p##37),                    \
        TEXT_MEMBER(R, p##38), TEXT_MEMBER(R, p##39), TEXT_MEMBER(R, p##40),                    \
        TEXT_MEMBER(R, p##41), TEXT_MEMBER(R, p##42), TEXT_MEMBER(R, p##43),                    \
        TEXT_MEMBER(R, p##44), TEXT_MEMBER(R, p##45)

const LineTable& isitLineTable() {
    static const LineTable table{
        "ISIT",
        sizeof(ISITRecord),
        {ITEM_MEMBERS_00_30(ISITRecord, ii), ITEM_MEMBERS_31_45(ISITRecord, ii)}};
    return table;
}

const LineTable& ijstLineTable() {
    static const LineTable table{
        "IJST",
        sizeof(IJSTRecord),
        {ITEM_MEMBERS_00_30(IJSTRecord, is), ITEM_MEMBERS_31_45(IJSTRecord, is)}};
    return table;
}

const LineTable& ilitLineTable() {
    static const LineTable table{"ILIT", sizeof(ILITRecord), {ITEM_MEMBERS_00_30(ILITRecord, ii)}};
    return table;
}

const LineTable& ilstLineTable() {
    static const LineTable table{"ILST", sizeof(ILSTRecord), {ITEM_MEMBERS_00_30(ILSTRecord, is)}};
    return table;
}

#undef ITEM_MEMBERS_00_30
#undef ITEM_MEMBERS_31_45
#undef INT_MEMBER
#undef TEXT_MEMBER

QString LineFault::describe(const LineTable& table) const {
    const QString name = QString::fromLatin1(table.members[static_cast<std::size_t>(column)].name);
    if (kind == TooFewPieces)
        return QStringLiteral("%1 行缺少 %2 及以后的列")
            .arg(QString::fromLatin1(table.table), name);
    return QStringLiteral("%1 列 %2 不是整数").arg(QString::fromLatin1(table.table), name);
}

namespace {

// Plain decimal digits are the common case; anything else goes through the shared routine.
std::optional<std::int32_t> pieceNumber(QStringView piece) {
    const bool negative = !piece.isEmpty() && piece.front() == QChar(u'-');
    const QStringView digits = negative ? piece.mid(1) : piece;
    if (digits.isEmpty() || digits.size() > 9) return numericInt32(piece.toString());
    std::int32_t value = 0;
    for (QChar c : digits) {
        if (c < QChar(u'0') || c > QChar(u'9')) return numericInt32(piece.toString());
        value = value * 10 + (c.unicode() - u'0');
    }
    return negative ? -value : value;
}

}  // namespace

std::optional<LineFault> parseLine(const LineTable& table, const QString& line, void* record,
                                   QChar separator) {
    auto* bytes = static_cast<char*>(record);
    std::memset(bytes, 0, table.recordSize);
    const int columns = table.columnCount();
    qsizetype start = 0;
    int k = 0;
    for (; k < columns; ++k) {
        if (start > line.size()) return LineFault{LineFault::TooFewPieces, k};
        qsizetype end = line.indexOf(separator, start);
        if (end < 0) end = line.size();
        const QStringView piece = QStringView(line).mid(start, end - start);
        const LineMember& member = table.members[static_cast<std::size_t>(k)];
        if (member.isInt()) {
            const std::optional<std::int32_t> value = pieceNumber(piece);
            if (!value) return LineFault{LineFault::BadNumber, k};
            std::memcpy(bytes + member.offset, &*value, sizeof(std::int32_t));
        } else {
            writeFieldBytes(bytes + member.offset, member.width, encodeGbkStrict(piece, nullptr));
        }
        start = end + 1;
    }
    return std::nullopt;
}

namespace {

template <class Record>
void parseOrThrow(const LineTable& table, const QString& line, Record& record,
                  const QString& separator) {
    static_assert(std::is_trivially_copyable_v<Record>);
    const QChar sep = separator.isEmpty() ? QChar(u'|') : separator.front();
    if (const auto fault = parseLine(table, line, &record, sep))
        throw ZelkError(QStringLiteral("frm_zelk_ibr"), fault->describe(table),
                        kErrInvalidArgument);
}

}  // namespace

void ParseINDTLine(const QString& line, INDTRecord& record, const QString& separator) {
    parseOrThrow(indtLineTable(), line, record, separator);
}
void ParseISITLine(const QString& line, ISITRecord& record, const QString& separator) {
    parseOrThrow(isitLineTable(), line, record, separator);
}
void ParseILITLine(const QString& line, ILITRecord& record, const QString& separator) {
    parseOrThrow(ilitLineTable(), line, record, separator);
}
void ParseIJSTLine(const QString& line, IJSTRecord& record, const QString& separator) {
    parseOrThrow(ijstLineTable(), line, record, separator);
}
void ParseILSTLine(const QString& line, ILSTRecord& record, const QString& separator) {
    parseOrThrow(ilstLineTable(), line, record, separator);
}

std::optional<std::int32_t> wholeCount(const QString& text) {
    const QString digits = text.trimmed();
    if (digits.isEmpty() || digits.size() > 10) return std::nullopt;
    std::int64_t value = 0;
    for (QChar c : digits) {
        if (c < QChar(u'0') || c > QChar(u'9')) return std::nullopt;
        value = value * 10 + (c.unicode() - u'0');
    }
    if (value > INT32_MAX) return std::nullopt;
    return static_cast<std::int32_t>(value);
}

const TransferKind& TransferKindNames(int code) {
    static const std::array<TransferKind, 8> kinds{{
        {QString(), 0},
        {QStringLiteral("条目录入"), 3},
        {QStringLiteral("列表录入"), 3},
        {QStringLiteral("条目检索"), 3},
        {QStringLiteral("数据浏览"), 3},
        {QStringLiteral("分类模板"), 2},
        {QStringLiteral("系统模板"), 1},
        {QString(), 0},
    }};
    static const TransferKind none{QString(), 0};
    if (code < 0 || code > 7) return none;
    return kinds[static_cast<std::size_t>(code)];
}

std::optional<int> transferKindCode(const INDTRecord& record) {
    const std::optional<std::int32_t> code = numericInt32(fieldText(record.id05));
    if (!code || *code < 0 || *code > 7) return std::nullopt;
    return *code;
}

const ItemKind* itemKindByName(const QString& typeText) {
    static const std::array<std::pair<QString, ItemKind>, 6> kinds{{
        {QStringLiteral("条目录入"), {1, &isitLineTable(), "isit", "ii01", "转入录入条目界面["}},
        {QStringLiteral("分类模板"), {5, &isitLineTable(), "isit", "ii01", "转入分类模板["}},
        {QStringLiteral("系统模板"), {6, &isitLineTable(), "isit", "ii01", "转入系统模板["}},
        {QStringLiteral("列表录入"), {2, &ilitLineTable(), "ilit", "ii01", "转入列表录入界面["}},
        {QStringLiteral("条目检索"), {3, &ijstLineTable(), "ijst", "is01", "转入列表录入界面["}},
        {QStringLiteral("数据浏览"), {4, &ilstLineTable(), "ilst", "is01", "转入列表录入界面["}},
    }};
    if (typeText.isEmpty()) return nullptr;
    for (const auto& [name, kind] : kinds)
        if (name == typeText) return &kind;
    return nullptr;
}

QString columnList(const LineTable& table) {
    QStringList names;
    for (const LineMember& member : table.members) names << QString::fromLatin1(member.name);
    return names.join(QChar(u','));
}

}  // namespace zelk
