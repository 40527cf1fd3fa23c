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

const LineTable& isitLineTable() {
    static const LineTable table{"ISIT",
                                 sizeof(ISITRecord),
                                 {
                                     INT_MEMBER(ISITRecord, ii00),  INT_MEMBER(ISITRecord, ii01),
                                     TEXT_MEMBER(ISITRecord, ii02), TEXT_MEMBER(ISITRecord, ii03),
                                     INT_MEMBER(ISITRecord, ii04),  TEXT_MEMBER(ISITRecord, ii05),
                                     TEXT_MEMBER(ISITRecord, ii06), INT_MEMBER(ISITRecord, ii07),
                                     INT_MEMBER(ISITRecord, ii08),  INT_MEMBER(ISITRecord, ii09),
                                     INT_MEMBER(ISITRecord, ii10),  INT_MEMBER(ISITRecord, ii11),
                                     INT_MEMBER(ISITRecord, ii12),  INT_MEMBER(ISITRecord, ii13),
                                     INT_MEMBER(ISITRecord, ii14),  TEXT_MEMBER(ISITRecord, ii15),
                                     TEXT_MEMBER(ISITRecord, ii16), TEXT_MEMBER(ISITRecord, ii17),
                                     TEXT_MEMBER(ISITRecord, ii18), TEXT_MEMBER(ISITRecord, ii19),
                                     TEXT_MEMBER(ISITRecord, ii20), TEXT_MEMBER(ISITRecord, ii21),
                                     TEXT_MEMBER(ISITRecord, ii22), TEXT_MEMBER(ISITRecord, ii23),
                                     TEXT_MEMBER(ISITRecord, ii24), TEXT_MEMBER(ISITRecord, ii25),
                                     TEXT_MEMBER(ISITRecord, ii26), TEXT_MEMBER(ISITRecord, ii27),
                                     TEXT_MEMBER(ISITRecord, ii28), TEXT_MEMBER(ISITRecord, ii29),
                                     TEXT_MEMBER(ISITRecord, ii30), TEXT_MEMBER(ISITRecord, ii31),
                                     TEXT_MEMBER(ISITRecord, ii32), TEXT_MEMBER(ISITRecord, ii33),
                                     TEXT_MEMBER(ISITRecord, ii34), TEXT_MEMBER(ISITRecord, ii35),
                                     TEXT_MEMBER(ISITRecord, ii36), TEXT_MEMBER(ISITRecord, ii37),
                                     TEXT_MEMBER(ISITRecord, ii38), TEXT_MEMBER(ISITRecord, ii39),
                                     TEXT_MEMBER(ISITRecord, ii40), TEXT_MEMBER(ISITRecord, ii41),
                                     TEXT_MEMBER(ISITRecord, ii42), TEXT_MEMBER(ISITRecord, ii43),
                                     TEXT_MEMBER(ISITRecord, ii44), TEXT_MEMBER(ISITRecord, ii45),
                                 }};
    return table;
}

const LineTable& ijstLineTable() {
    static const LineTable table{"IJST",
                                 sizeof(IJSTRecord),
                                 {
                                     INT_MEMBER(IJSTRecord, is00),  INT_MEMBER(IJSTRecord, is01),
                                     TEXT_MEMBER(IJSTRecord, is02), TEXT_MEMBER(IJSTRecord, is03),
                                     INT_MEMBER(IJSTRecord, is04),  TEXT_MEMBER(IJSTRecord, is05),
                                     TEXT_MEMBER(IJSTRecord, is06), INT_MEMBER(IJSTRecord, is07),
                                     INT_MEMBER(IJSTRecord, is08),  INT_MEMBER(IJSTRecord, is09),
                                     INT_MEMBER(IJSTRecord, is10),  INT_MEMBER(IJSTRecord, is11),
                                     INT_MEMBER(IJSTRecord, is12),  INT_MEMBER(IJSTRecord, is13),
                                     INT_MEMBER(IJSTRecord, is14),  TEXT_MEMBER(IJSTRecord, is15),
                                     TEXT_MEMBER(IJSTRecord, is16), TEXT_MEMBER(IJSTRecord, is17),
                                     TEXT_MEMBER(IJSTRecord, is18), TEXT_MEMBER(IJSTRecord, is19),
                                     TEXT_MEMBER(IJSTRecord, is20), TEXT_MEMBER(IJSTRecord, is21),
                                     TEXT_MEMBER(IJSTRecord, is22), TEXT_MEMBER(IJSTRecord, is23),
                                     TEXT_MEMBER(IJSTRecord, is24), TEXT_MEMBER(IJSTRecord, is25),
                                     TEXT_MEMBER(IJSTRecord, is26), TEXT_MEMBER(IJSTRecord, is27),
                                     TEXT_MEMBER(IJSTRecord, is28), TEXT_MEMBER(IJSTRecord, is29),
                                     TEXT_MEMBER(IJSTRecord, is30), TEXT_MEMBER(IJSTRecord, is31),
                                     TEXT_MEMBER(IJSTRecord, is32), TEXT_MEMBER(IJSTRecord, is33),
                                     TEXT_MEMBER(IJSTRecord, is34), TEXT_MEMBER(IJSTRecord, is35),
                                     TEXT_MEMBER(IJSTRecord, is36), TEXT_MEMBER(IJSTRecord, is37),
                                     TEXT_MEMBER(IJSTRecord, is38), TEXT_MEMBER(IJSTRecord, is39),
                                     TEXT_MEMBER(IJSTRecord, is40), TEXT_MEMBER(IJSTRecord, is41),
                                     TEXT_MEMBER(IJSTRecord, is42), TEXT_MEMBER(IJSTRecord, is43),
                                     TEXT_MEMBER(IJSTRecord, is44), TEXT_MEMBER(IJSTRecord, is45),
                                 }};
    return table;
}

const LineTable& ilitLineTable() {
    static const LineTable table{"ILIT",
                                 sizeof(ILITRecord),
                                 {
                                     INT_MEMBER(ILITRecord, ii00),  INT_MEMBER(ILITRecord, ii01),
                                     TEXT_MEMBER(ILITRecord, ii02), TEXT_MEMBER(ILITRecord, ii03),
                                     INT_MEMBER(ILITRecord, ii04),  TEXT_MEMBER(ILITRecord, ii05),
                                     TEXT_MEMBER(ILITRecord, ii06), INT_MEMBER(ILITRecord, ii07),
                                     INT_MEMBER(ILITRecord, ii08),  INT_MEMBER(ILITRecord, ii09),
                                     INT_MEMBER(ILITRecord, ii10),  INT_MEMBER(ILITRecord, ii11),
                                     INT_MEMBER(ILITRecord, ii12),  INT_MEMBER(ILITRecord, ii13),
                                     INT_MEMBER(ILITRecord, ii14),  TEXT_MEMBER(ILITRecord, ii15),
                                     TEXT_MEMBER(ILITRecord, ii16), TEXT_MEMBER(ILITRecord, ii17),
                                     TEXT_MEMBER(ILITRecord, ii18), TEXT_MEMBER(ILITRecord, ii19),
                                     TEXT_MEMBER(ILITRecord, ii20), TEXT_MEMBER(ILITRecord, ii21),
                                     TEXT_MEMBER(ILITRecord, ii22), TEXT_MEMBER(ILITRecord, ii23),
                                     TEXT_MEMBER(ILITRecord, ii24), TEXT_MEMBER(ILITRecord, ii25),
                                     TEXT_MEMBER(ILITRecord, ii26), TEXT_MEMBER(ILITRecord, ii27),
                                     TEXT_MEMBER(ILITRecord, ii28), TEXT_MEMBER(ILITRecord, ii29),
                                     TEXT_MEMBER(ILITRecord, ii30),
                                 }};
    return table;
}

const LineTable& ilstLineTable() {
    static const LineTable table{"ILST",
                                 sizeof(ILSTRecord),
                                 {
                                     INT_MEMBER(ILSTRecord, is00),  INT_MEMBER(ILSTRecord, is01),
                                     TEXT_MEMBER(ILSTRecord, is02), TEXT_MEMBER(ILSTRecord, is03),
                                     INT_MEMBER(ILSTRecord, is04),  TEXT_MEMBER(ILSTRecord, is05),
                                     TEXT_MEMBER(ILSTRecord, is06), INT_MEMBER(ILSTRecord, is07),
                                     INT_MEMBER(ILSTRecord, is08),  INT_MEMBER(ILSTRecord, is09),
                                     INT_MEMBER(ILSTRecord, is10),  INT_MEMBER(ILSTRecord, is11),
                                     INT_MEMBER(ILSTRecord, is12),  INT_MEMBER(ILSTRecord, is13),
                                     INT_MEMBER(ILSTRecord, is14),  TEXT_MEMBER(ILSTRecord, is15),
                                     TEXT_MEMBER(ILSTRecord, is16), TEXT_MEMBER(ILSTRecord, is17),
                                     TEXT_MEMBER(ILSTRecord, is18), TEXT_MEMBER(ILSTRecord, is19),
                                     TEXT_MEMBER(ILSTRecord, is20), TEXT_MEMBER(ILSTRecord, is21),
                                     TEXT_MEMBER(ILSTRecord, is22), TEXT_MEMBER(ILSTRecord, is23),
                                     TEXT_MEMBER(ILSTRecord, is24), TEXT_MEMBER(ILSTRecord, is25),
                                     TEXT_MEMBER(ILSTRecord, is26), TEXT_MEMBER(ILSTRecord, is27),
                                     TEXT_MEMBER(ILSTRecord, is28), TEXT_MEMBER(ILSTRecord, is29),
                                     TEXT_MEMBER(ILSTRecord, is30),
                                 }};
    return table;
}

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
