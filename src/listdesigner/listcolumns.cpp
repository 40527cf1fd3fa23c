#include "listdesigner/listcolumns.h"

#include <cmath>
#include <limits>

#include "component/fixedfield.h"
#include "component/zelkmodule.h"
#include "dataaccess/dravix.h"

namespace zelk {

namespace {

static_assert(sizeof(ILITRecord) == sizeof(ILSTRecord));
static_assert(offsetof(ILITRecord, ii30) == offsetof(ILSTRecord, is30));

ILSTRecord asIlst(const ILITRecord& row) {
    ILSTRecord out;
    fromWire(toWire(row), out);
    return out;
}

ILITRecord asIlit(const ILSTRecord& row) {
    ILITRecord out;
    fromWire(toWire(row), out);
    return out;
}

}  // namespace

std::int32_t listPrepareGetData(ListTable table, std::int32_t hdbc, std::int32_t fid) {
    return table == ListTable::ILIT ? sysILITPrepareGetData(hdbc, fid)
                                    : sysILSTPrepareGetData(hdbc, fid);
}

std::int32_t listGetRecord(ListTable table, std::int32_t hstmt, ILITRecord& row) {
    if (table == ListTable::ILIT) return sysILITGetRecord(hstmt, row);
    ILSTRecord browse = asIlst(row);
    const std::int32_t result = sysILSTGetRecord(hstmt, browse);
    row = asIlit(browse);
    return result;
}

std::int32_t listDeleteRecords(ListTable table, std::int32_t hdbc, std::int32_t fid) {
    return table == ListTable::ILIT ? sysILITDeleteRecords(hdbc, fid)
                                    : sysILSTDeleteRecords(hdbc, fid);
}

std::int32_t listInsertRecord(ListTable table, std::int32_t hdbc, ILITRecord& row) {
    if (table == ListTable::ILIT) return sysILITInsertRecord(hdbc, row);
    ILSTRecord browse = asIlst(row);
    const std::int32_t result = sysILSTInsertRecord(hdbc, browse);
    row = asIlit(browse);
    return result;
}

std::vector<ILITRecord> readListRows(ListTable table, std::int32_t hdbc, std::int32_t fid) {
    std::vector<ILITRecord> rows;
    const std::int32_t hstmt = listPrepareGetData(table, hdbc, fid);
    for (;;) {
        ILITRecord row;
        if (listGetRecord(table, hstmt, row) <= 0) break;
        rows.push_back(row);
    }
    return rows;
}

ListColumnSetting& ListColumnSettingsTable::operator[](int index) {
    const auto i = static_cast<std::size_t>(std::max(index, 0));
    if (i >= entries_.size()) entries_.resize(i + 1);
    return entries_[i];
}

ListColumnSetting ListColumnSettingsTable::at(int index) const {
    const auto i = static_cast<std::size_t>(std::max(index, 0));
    return i < entries_.size() ? entries_[i] : ListColumnSetting{};
}

ListColumnSetting decodeListColumnSetting(const QString& digits) {
    const QString text = TrimFixedField(digits);
    ListColumnSetting s;
    if (text.size() < 10) return s;
    const auto digit = [&text](int i) -> std::int16_t {
        const QChar c = text.at(i);
        return c >= QLatin1Char('0') && c <= QLatin1Char('9')
                   ? static_cast<std::int16_t>(c.unicode() - '0')
                   : std::int16_t{0};
    };
    s.ColumnReadOnly = digit(0);
    s.ColumnAlignment = digit(1);
    s.ColumnEditKind = digit(2);
    s.ColumnInvalid = digit(3);
    return s;
}

QString encodeListColumnSetting(const ListColumnSetting& setting) {
    DigitSettings10 d;
    d.m[1] = setting.ColumnReadOnly;
    d.m[2] = setting.ColumnAlignment;
    d.m[3] = setting.ColumnEditKind;
    d.m[4] = setting.ColumnInvalid;
    return EncodeDigits10(d);
}

std::int32_t columnWidthTwips(double twips) {
    if (!(twips > 0)) return 0;  // negative, zero or not a number
    return toInt32(twips).value_or(std::numeric_limits<std::int32_t>::max());
}

namespace {

// A colour member: the value when above 0, else the member's default text.
QString colourOr(std::int32_t colour, const char* fallback) {
    return colour > 0 ? QString::number(colour) : QString::fromLatin1(fallback);
}

}  // namespace

ILITRecord listDesignerRecord(ListTable table, std::int32_t fid, const ListColumnOut& column,
                              const ListAppearance& look) {
    const bool browse = table == ListTable::ILST;
    ILITRecord r;
    r.ii00 = column.id;
    r.ii01 = fid;
    setField(r.ii02, column.tag);
    setField(r.ii03, column.text);
    r.ii04 = column.position;
    setField(r.ii05, QString());
    setField(r.ii06, QString());
    r.ii07 = columnWidthTwips(column.width);
    const QString size = sizeText(look.fontSize);
    setField(r.ii15, look.fontName);
    setField(r.ii16, QString());
    setField(r.ii17, size);
    setField(r.ii18, colourOr(look.foreColor, "0"));
    setField(r.ii19, colourOr(look.backColor, "12632256"));
    setField(r.ii20, look.fontName);
    setField(r.ii21, QStringLiteral("0"));
    setField(r.ii22, size);
    setField(r.ii23, colourOr(look.foreColor, "0"));
    setField(r.ii24, colourOr(look.backColor, "16777215"));
    setField(r.ii25, browse ? QStringLiteral("0000111110") : QStringLiteral("0000000000"));
    setField(r.ii26,
             browse ? QStringLiteral("1100111110") : encodeListColumnSetting(column.setting));
    setField(r.ii27, QString());
    setField(r.ii28, QString());
    setField(r.ii29, QString());
    setField(r.ii30, QString());
    return r;
}

QString listVersionText(const QString& version) {
    const QString text = TrimFixedField(version);
    if (!isNumeric(text)) return QStringLiteral("1");
    const double next = text.trimmed().toDouble() + 1;
    if (next == std::floor(next) && std::abs(next) < 9e15)
        return QString::number(static_cast<std::int64_t>(next));
    return sizeText(next);
}

ListSaveResult saveListDesigner(const ListDesignerSave& save) {
    INDTRecord row;
    // No row (0) is as much a failure as a failed read: columns of a deleted interface would be
    // orphans.
    if (sysINDTGetDataByNo(save.hdbc, row, save.fid) < 1) return ListSaveResult::NoInterface;
    const QString version = listVersionText(fieldText(row.id08));

    const int n = static_cast<int>(save.columns.size());
    const bool writesRows = save.table && !(*save.table == ListTable::ILST && save.columns.empty());
    if (odbc_BeginTrans(save.hdbc) < 0) return ListSaveResult::RowsRefused;
    // First in the transaction: it locks the interface row and goes back with a failed save.
    ExecSQL(save.hdbc, QStringLiteral("UPDATE INDT SET ID08 = %1 WHERE ID00 = %2")
                           .arg(sqlQuote(version))
                           .arg(save.fid));
    if (writesRows) {
        const ListTable table = *save.table;
        if (n > 0 && save.progress) save.progress(n, 0);
        if (listDeleteRecords(table, save.hdbc, save.fid) < 0) {
            odbc_RollbackTrans(save.hdbc);
            return ListSaveResult::RowsRefused;
        }
        int done = 0;
        for (const ListColumnOut& column : save.columns) {
            if (save.progress) save.progress(n, ++done);
            ILITRecord record = listDesignerRecord(table, save.fid, column, save.look);
            if (listInsertRecord(table, save.hdbc, record) < 0) {
                odbc_RollbackTrans(save.hdbc);
                return ListSaveResult::RowsRefused;
            }
        }
    }
    return odbc_CommitTrans(save.hdbc) < 0 ? ListSaveResult::RowsRefused : ListSaveResult::Saved;
}

// ---- Column pickers ------------------------------------------------------------------------

ILITRecord pickerRecord(std::int32_t fid, std::int32_t position, const PickerRow& row) {
    ILITRecord r;
    r.ii00 = 0;
    r.ii01 = fid;
    setField(r.ii02, row.field);
    setField(r.ii03, row.caption);
    r.ii04 = position;
    r.ii07 = 1440;
    setField(r.ii15, QStringLiteral("宋体"));
    setField(r.ii16, QStringLiteral("1"));
    setField(r.ii17, QStringLiteral("9"));
    setField(r.ii18, QString());
    setField(r.ii19, QString());
    setField(r.ii20, QStringLiteral("宋体"));
    setField(r.ii21, QStringLiteral("1"));
    setField(r.ii22, QStringLiteral("9"));
    setField(r.ii23, QString());
    setField(r.ii24, QString());
    setField(r.ii25, QStringLiteral("0000111110"));
    setField(r.ii26, QStringLiteral("1100111110"));
    setField(r.ii27, QString());
    setField(r.ii28, QString());
    setField(r.ii29, QString());
    setField(r.ii30, QString());
    return r;
}

PickerSaveResult savePickedColumns(ListTable table, std::int32_t hdbc, std::int32_t fid,
                                   const std::vector<PickerRow>& rows,
                                   const std::function<void(int value)>& progress) {
    const auto report = [&progress](int value) {
        if (progress) progress(value);
    };
    if (rows.empty()) return PickerSaveResult::Empty;
    // Without a transaction the rows would be written one by one: a refused begin is a busy table.
    if (odbc_BeginTrans(hdbc) < 0) return PickerSaveResult::DeleteFailed;
    report(0);
    if (listDeleteRecords(table, hdbc, fid) < 0) {
        odbc_RollbackTrans(hdbc);
        return PickerSaveResult::DeleteFailed;
    }
    std::vector<ILITRecord> records;
    records.reserve(rows.size());
    for (std::size_t i = 0; i < rows.size(); ++i) {
        report(static_cast<int>(i) + 1);
        records.push_back(pickerRecord(fid, static_cast<std::int32_t>(i) + 1, rows[i]));
    }
    report(0);
    int done = 0;
    for (ILITRecord& record : records) {
        if (listInsertRecord(table, hdbc, record) < 1) {
            odbc_RollbackTrans(hdbc);
            return PickerSaveResult::InsertFailed;
        }
        report(++done);
    }
    return odbc_CommitTrans(hdbc) < 0 ? PickerSaveResult::InsertFailed : PickerSaveResult::Saved;
}

bool deleteInterfaceData(std::int32_t hdbc, std::int32_t fid) {
    if (odbc_BeginTrans(hdbc) < 0) return false;
    if (sysINDTDeleteData(hdbc, fid) < 0 || sysISITDeleteRecords(hdbc, fid) < 0) {
        odbc_RollbackTrans(hdbc);
        return false;
    }
    return odbc_CommitTrans(hdbc) >= 0;
}

}  // namespace zelk
