#include "platform/automation/guid.h"

namespace zelk {

QString Guid::toString() const {
    QString s = QStringLiteral("{%1-%2-%3-")
                    .arg(data1, 8, 16, QLatin1Char('0'))
                    .arg(data2, 4, 16, QLatin1Char('0'))
                    .arg(data3, 4, 16, QLatin1Char('0'));
    for (std::size_t i = 0; i < 8; ++i) {
        if (i == 2) s += QLatin1Char('-');
        s += QStringLiteral("%1").arg(data4[i], 2, 16, QLatin1Char('0'));
    }
    s += QLatin1Char('}');
    return s.toUpper();
}

}  // namespace zelk
