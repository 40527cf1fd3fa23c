#pragma once
// Records with every member set to a value of its own, for round trips.

#include <cstring>

#include <QStringList>

#include "component/fixedfield.h"
#include "dataaccess/dravix.h"
#include "dataaccess/internal.h"

namespace zelk::test {

// Member k gets k * 1000 + seed (integers) or a text of its own: short Chinese, one byte short
// of the width, or exactly the width (then without NUL).
template <typename R>
R filledRecord(const da::Layout& layout, int seed) {
    R record;
    auto* bytes = reinterpret_cast<char*>(&record);
    for (std::size_t k = 0; k < layout.columns.size(); ++k) {
        const da::Column& c = layout.columns[k];
        if (c.isInt) {
            const std::int32_t v = static_cast<std::int32_t>(k) * 1000 + seed;
            std::memcpy(bytes + c.offset, &v, sizeof v);
            continue;
        }
        QString text;
        switch ((k + static_cast<std::size_t>(seed)) % 3) {
            case 0:
                text = QString("发'%1").arg(k);
                break;
            case 1:
                text = QString(static_cast<qsizetype>(c.width - 1),
                               QChar(static_cast<char16_t>('a' + k % 26)));
                break;
            default:
                text = QString(static_cast<qsizetype>(c.width),
                               QChar(static_cast<char16_t>('A' + k % 26)));
                break;
        }
        writeFieldBytes(bytes + c.offset, c.width, toGbk(text));
    }
    return record;
}

template <typename R>
void setInt(R& record, const da::Column& column, std::int32_t value) {
    std::memcpy(reinterpret_cast<char*>(&record) + column.offset, &value, sizeof value);
}

// An insert statement for the record, every value spliced through sqlQuote.
template <typename R>
QString insertText(const da::Layout& layout, const R& record) {
    QStringList values;
    for (const auto& c : layout.columns) {
        const QVariant v = da::columnValue(c, reinterpret_cast<const char*>(&record));
        values << (c.isInt ? QString::number(v.toInt()) : sqlQuote(v.toString()));
    }
    return "insert into " + layout.table + " (" + layout.selectList() + ") values (" +
           values.join(',') + ")";
}

template <typename R>
QByteArray wire(const R& record) {
    return toWire(record);
}

}  // namespace zelk::test
