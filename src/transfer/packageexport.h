#pragma once
// Writing the ticked interfaces with all their item rows into a package. The file is written to
// a temporary file in the target's folder and put in place after "#结束"; a failure or a stop
// leaves the folder as it was.

#include <QDateTime>
#include <QString>
#include <cstdint>
#include <functional>
#include <vector>

#include "transfer/transfersink.h"

namespace zelk {

struct ExportRequest {
    QString fileName;
    QString systemname, maintable, classname, username;
    bool listEmpty = true;  // the export list has no row at all
    struct Row {
        std::int32_t tag;  // interface number
        QString typeText;  // transfer kind name
        QString text;      // interface name
    };
    std::vector<Row> ticked;  // ticked rows, in list order
};

enum class ExportOutcome { Nothing, Done, Stopped };

// A row that the format cannot carry, a count that differs from the rows written, or a file
// that cannot be written throws TransferFailure.
ExportOutcome ExportPackage(std::int32_t hdbc, const ExportRequest& request, TransferSink& sink);

// The clock of the header's export time; tests fix it (an empty function restores the real one).
void setPackageClock(std::function<QDateTime()> clock);

}  // namespace zelk
