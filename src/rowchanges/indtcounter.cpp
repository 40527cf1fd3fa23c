#include "rowchanges/indtcounter.h"

#include <cmath>

#include "component/fixedfield.h"
#include "component/zelkmodule.h"
#include "dataaccess/dravix.h"

namespace zelk {

void IncrementIndtCounter(std::int32_t hdbc, std::int32_t number) {
    INDTRecord record;
    if (sysINDTGetDataByNo(hdbc, record, number) < 1) return;
    const double next = leadingNumber(TrimFixedField(fieldText(record.id08))) + 1;
    // Whole versions stay whole numbers; a stored fraction keeps its fraction.
    const QString text = (next == std::floor(next) && std::fabs(next) < 9.0e15)
                             ? QString::number(static_cast<qint64>(next))
                             : QString::number(next, 'g', 15);
    setField(record.id08, text);
    sysINDTUpdateRecord(hdbc, record);
}

}  // namespace zelk
