#pragma once
// The host program plays the suite's part: it opens the database, registers the component's
// classes and reaches the component only through CreateObject and dispatch.
//
//   zelk [--db CONNECTION] [--system S] [--table T] [--class C] [--user U]
//        [--main | --designer entry|search [FID] | --list entry|browse [FID] | --embed]

#include <QStringList>
#include <QTextStream>

namespace zelk::host {

enum HostExit : int { kExitOk = 0, kExitFailed = 1, kExitUsage = 2 };

// Runs the host on the program's arguments (the first is the program's name). Lines for the
// person go to `out`; a failure is one line on `err`. A bad command line is refused before the
// database is touched. Needs a running QApplication.
int runHost(const QStringList& arguments, QTextStream& out, QTextStream& err);

}  // namespace zelk::host
