#pragma once
// Importing the ticked interfaces of a package into the ticked destination classes: the whole
// package is checked first; then one transaction per interface and destination class.

#include <QString>
#include <QStringList>
#include <cstdint>
#include <vector>

#include "transfer/transfersink.h"

namespace zelk {

struct ImportRequest {
    QString path;           // the file the package lists came from
    QStringList indtLines;  // its interface lines, element k-1 for package row k
    struct Row {
        int index;         // 1-based package row
        QString typeText;  // its transfer kind name
        QString text;      // its interface name as listed
    };
    std::vector<Row> ticked;   // ticked package rows, in list order
    QStringList destinations;  // texts of the ticked destination class rows, in list order
    QString systemname;        // the root row's text (the empty class)
};

enum class ImportOutcome { Done, Stopped, NoTemplate };

// Runs the import. A refused package, a refused insert or any other failure throws
// TransferFailure after the current pair was rolled back; pairs committed before stay.
ImportOutcome ImportPackage(std::int32_t hdbc, const ImportRequest& request, TransferSink& sink);

}  // namespace zelk
