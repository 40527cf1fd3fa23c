// Record types as tables: one column per member, named as the member.

#include <algorithm>
#include <cstring>
#include <set>
#include <type_traits>

#include <QStringDecoder>
#include <QStringEncoder>

#include "component/fixedfield.h"
#include "component/records.h"
#include "dataaccess/internal.h"

namespace zelk::da {

namespace {

#define ZC(R, m)                                                              \
    Column {                                                                  \
        QStringLiteral(#m), offsetof(R, m), sizeof(R::m),                     \
            std::is_same_v<std::remove_cvref_t<decltype(R::m)>, std::int32_t> \
    }

// Columns named by a table prefix and the member's number: "td00", "td01", ...
std::vector<Column> numbered(const char* prefix, std::vector<Column> members) {
    for (std::size_t i = 0; i < members.size(); ++i)
        members[i].name = QString::fromLatin1(prefix) + QString::asprintf("%02zu", i);
    return members;
}

}  // namespace

QString Layout::selectList() const {
    QStringList names;
    names.reserve(static_cast<qsizetype>(columns.size()));
    for (const auto& c : columns) names << c.name;
    return names.join(',');
}

const Layout& indtLayout() {
    static const Layout layout{
        "indt",
        {ZC(INDTRecord, id00), ZC(INDTRecord, id01), ZC(INDTRecord, id02), ZC(INDTRecord, id03),
         ZC(INDTRecord, id04), ZC(INDTRecord, id05), ZC(INDTRecord, id06), ZC(INDTRecord, id07),
         ZC(INDTRecord, id08), ZC(INDTRecord, id09), ZC(INDTRecord, id10), ZC(INDTRecord, id11),
         ZC(INDTRecord, id12), ZC(INDTRecord, id13), ZC(INDTRecord, id14), ZC(INDTRecord, id15),
         ZC(INDTRecord, id16), ZC(INDTRecord, id17), ZC(INDTRecord, id18), ZC(INDTRecord, id19),
         ZC(INDTRecord, id20)},
        "id00"};
    return layout;
}

namespace {

#define ZI(m) ZC(ISITRecord, m)
#define ZJ(m) ZC(IJSTRecord, m)

std::vector<Column> isitColumns() {
    return {ZI(ii00), ZI(ii01), ZI(ii02), ZI(ii03), ZI(ii04), ZI(ii05), ZI(ii06), ZI(ii07),
            ZI(ii08), ZI(ii09), ZI(ii10), ZI(ii11), ZI(ii12), ZI(ii13), ZI(ii14), ZI(ii15),
            ZI(ii16), ZI(ii17), ZI(ii18), ZI(ii19), ZI(ii20), ZI(ii21), ZI(ii22), ZI(ii23),
            ZI(ii24), ZI(ii25), ZI(ii26), ZI(ii27), ZI(ii28), ZI(ii29), ZI(ii30), ZI(ii31),
            ZI(ii32), ZI(ii33), ZI(ii34), ZI(ii35), ZI(ii36), ZI(ii37), ZI(ii38), ZI(ii39),
            ZI(ii40), ZI(ii41), ZI(ii42), ZI(ii43), ZI(ii44), ZI(ii45)};
}

std::vector<Column> ijstColumns() {
    return {ZJ(is00), ZJ(is01), ZJ(is02), ZJ(is03), ZJ(is04), ZJ(is05), ZJ(is06), ZJ(is07),
            ZJ(is08), ZJ(is09), ZJ(is10), ZJ(is11), ZJ(is12), ZJ(is13), ZJ(is14), ZJ(is15),
            ZJ(is16), ZJ(is17), ZJ(is18), ZJ(is19), ZJ(is20), ZJ(is21), ZJ(is22), ZJ(is23),
            ZJ(is24), ZJ(is25), ZJ(is26), ZJ(is27), ZJ(is28), ZJ(is29), ZJ(is30), ZJ(is31),
            ZJ(is32), ZJ(is33), ZJ(is34), ZJ(is35), ZJ(is36), ZJ(is37), ZJ(is38), ZJ(is39),
            ZJ(is40), ZJ(is41), ZJ(is42), ZJ(is43), ZJ(is44), ZJ(is45)};
}

// ILIT and ILST share the first 31 members of ISIT (member 27 is 42 wide in both).
std::vector<Column> listColumns(const char* prefix) {
    auto columns = isitColumns();
    columns.resize(31);
    return numbered(prefix, std::move(columns));
}

// The read-only records are numbered m00, m01...; their columns carry a table prefix, and their
// rows come by key.
Layout numberedLayout(const char* table, const char* prefix, std::vector<Column> members) {
    return Layout{QString::fromLatin1(table), numbered(prefix, std::move(members)),
                  QString::fromLatin1(prefix) + QStringLiteral("00")};
}

// Item number first (the text read as a number), then the key.
const char* const kItemOrder = "@num(%1),%2";

}  // namespace

const Layout& isitLayout() {
    static const Layout layout{"isit", isitColumns(), QString(kItemOrder).arg("ii29", "ii00")};
    return layout;
}

const Layout& ijstLayout() {
    static const Layout layout{"ijst", ijstColumns(), QString(kItemOrder).arg("is29", "is00")};
    return layout;
}

const Layout& ilitLayout() {
    static_assert(sizeof(ILITRecord) == 604 && offsetof(ILITRecord, ii30) == 590);
    static const Layout layout{"ilit", listColumns("ii"), "ii04,ii00"};
    return layout;
}

const Layout& ilstLayout() {
    static_assert(sizeof(ILSTRecord) == 604 && offsetof(ILSTRecord, is30) == 590);
    static const Layout layout{"ilst", listColumns("is"), "is04,is00"};
    return layout;
}

#define ZT(m) ZC(TableDefineRecord, m)
const Layout& tableDefineLayout() {
    static const Layout layout =
        numberedLayout("systable", "td",
                       {ZT(m00), ZT(m01), ZT(m02), ZT(m03), ZT(m04), ZT(m05), ZT(m06), ZT(m07),
                        ZT(m08), ZT(m09), ZT(m10), ZT(m11), ZT(m12), ZT(m13)});
    return layout;
}

#define ZF(m) ZC(FieldRecord, m)
const Layout& fieldLayout() {
    static const Layout layout = numberedLayout(
        "sysfield", "fd",
        {ZF(m00), ZF(m01), ZF(m02), ZF(m03), ZF(m04), ZF(m05), ZF(m06), ZF(m07), ZF(m08),
         ZF(m09), ZF(m10), ZF(m11), ZF(m12), ZF(m13), ZF(m14), ZF(m15), ZF(m16), ZF(m17),
         ZF(m18), ZF(m19), ZF(m20), ZF(m21), ZF(m22), ZF(m23), ZF(m24), ZF(m25)});
    return layout;
}

#define ZS(m) ZC(SDSDRecord, m)
const Layout& sdsdLayout() {
    static const Layout layout =
        numberedLayout("sdsd", "ss",
                       {ZS(m00), ZS(m01), ZS(m02), ZS(m03), ZS(m04), ZS(m05), ZS(m06), ZS(m07),
                        ZS(m08), ZS(m09), ZS(m10)});
    return layout;
}

#define ZM(m) ZC(MBHJRecord, m)
const Layout& mbhjLayout() {
    static const Layout layout =
        numberedLayout("mbhj", "mh", {ZM(m00), ZM(m01), ZM(m02), ZM(m03), ZM(m04), ZM(m05), ZM(m06),
                                      ZM(m07), ZM(m08), ZM(m09), ZM(m10), ZM(m11), ZM(m12), ZM(m13),
                                      ZM(m14), ZM(m15), ZM(m16), ZM(m17), ZM(m18), ZM(m19), ZM(m20),
                                      ZM(m21), ZM(m22), ZM(m23), ZM(m24), ZM(m25), ZM(m26), ZM(m27),
                                      ZM(m28), ZM(m29), ZM(m30), ZM(m31), ZM(m32), ZM(m33), ZM(m34),
                                      ZM(m35), ZM(m36), ZM(m37), ZM(m38), ZM(m39), ZM(m40)});
    return layout;
}

#define ZR(m) ZC(RGDTRecord, m)
const Layout& rgdtLayout() {
    static const Layout layout = numberedLayout(
        "rgdt", "rd",
        {ZR(m00), ZR(m01), ZR(m02), ZR(m03), ZR(m04), ZR(m05), ZR(m06), ZR(m07), ZR(m08)});
    return layout;
}

const std::vector<QString>& integerColumnNames() {
    static const std::vector<QString> names = [] {
        std::set<QString> all;
        for (const Layout* l :
             {&indtLayout(), &isitLayout(), &ijstLayout(), &ilitLayout(), &ilstLayout(),
              &tableDefineLayout(), &fieldLayout(), &sdsdLayout(), &mbhjLayout(), &rgdtLayout()})
            for (const auto& c : l->columns)
                if (c.isInt) all.insert(c.name);
        // Columns of the suite's link tables that hold numbers.
        for (const char* extra : {"mz00", "mz01", "mz02", "mr00", "gp00", "us00", "mb00", "fp00"})
            all.insert(QString::fromLatin1(extra));
        return std::vector<QString>(all.begin(), all.end());
    }();
    return names;
}

// ---- Values ---------------------------------------------------------------------------------

namespace {

bool isAscii(const char* bytes, qsizetype length) {
    for (qsizetype i = 0; i < length; ++i)
        if (static_cast<unsigned char>(bytes[i]) >= 0x80) return false;
    return true;
}

bool isAscii(const QString& text) {
    for (const QChar c : text)
        if (c.unicode() >= 0x80) return false;
    return true;
}

// GBK converters kept per thread: building one per field costs more than the conversion.
QString decodeGbk(const char* bytes, qsizetype length) {
    thread_local QStringDecoder decoder("GBK");
    decoder.resetState();
    return decoder.decode(QByteArrayView(bytes, length));
}

QByteArray encodeGbk(const QString& text) {
    thread_local QStringEncoder encoder("GBK");
    encoder.resetState();
    return encoder.encode(text);
}

}  // namespace

QVariant columnValue(const Column& column, const char* record) {
    const char* field = record + column.offset;
    if (column.isInt) {
        std::int32_t value;
        std::memcpy(&value, field, sizeof value);
        return QVariant(value);
    }
    // As read: cut at the first NUL, trailing blanks stripped.
    qsizetype end = 0;
    const auto width = static_cast<qsizetype>(column.width);
    while (end < width && field[end] != '\0') ++end;
    while (end > 0 && field[end - 1] == ' ') --end;
    // Most fields are digits and Latin names: they need no code-page converter.
    if (isAscii(field, end)) return QVariant(QString::fromLatin1(field, end));
    return QVariant(decodeGbk(field, end));
}

void setColumn(const Column& column, char* record, const QVariant& value) {
    char* field = record + column.offset;
    if (column.isInt) {
        const std::int32_t number = value.isNull() ? 0 : value.toInt();
        std::memcpy(field, &number, sizeof number);
        return;
    }
    const QString text = value.isNull() ? QString() : value.toString();
    const auto width = static_cast<qsizetype>(column.width);
    if (text.size() < width && isAscii(text)) {
        // The value, one NUL, blanks to the end, written without a detour through bytes.
        qsizetype i = 0;
        for (const QChar c : text) field[i++] = static_cast<char>(c.unicode());
        field[i++] = '\0';
        std::memset(field + i, ' ', static_cast<std::size_t>(width - i));
        return;
    }
    writeFieldBytes(field, column.width, isAscii(text) ? text.toLatin1() : encodeGbk(text));
}

void readRow(const Layout& layout, const QSqlQuery& query, char* record, int firstIndex) {
    int i = firstIndex;
    for (const auto& c : layout.columns) setColumn(c, record, query.value(i++));
}

QString orderClause(const Layout& layout, Backend backend) {
    if (layout.orderBy.isEmpty()) return QString();
    QString order = layout.orderBy;
    const int at = order.indexOf("@num(");
    if (at >= 0) {
        const int close = order.indexOf(')', at);
        const QString col = order.mid(at + 5, close - at - 5);
        // A text read as a whole number; anything else counts as 0 on both back ends.
        const QString expr =
            backend == Backend::SQLite
                ? QString("cast(%1 as integer)").arg(col)
                : QString(
                      "(case when %1 ~ '^ *-?[0-9]{1,9} *$' then cast(%1 as integer) "
                      "else 0 end)")
                      .arg(col);
        order.replace(at, close - at + 1, expr);
    }
    return " order by " + order;
}

bool isSqlName(const QString& text) {
    if (text.isEmpty() || text.size() > 63) return false;
    if (text.front().isDigit()) return false;
    for (const QChar c : text)
        if (!(c.isLetterOrNumber() && c.unicode() < 0x80) && c != '_') return false;
    return true;
}

}  // namespace zelk::da
