#pragma once
// Free SQL texts arrive in the suite's own dialect. adaptSql turns the few constructs that
// SQLite or PostgreSQL reject into their equivalents:
//   "delete indt where ..."       -> "delete from indt where ..."
//   "left(x, n)"                  -> "substr(x, 1, n)"
//   "id00 = '12'", "ii01=''"      -> "id00 = 12", "ii01=0"   (integer columns only)
//   "id07 = 'aaaaa '"             -> "id07 = 'aaaaa'"  (stored texts carry no trailing blanks,
//                                    and the suite compares texts without them)
// Quoted texts are never changed otherwise.

#include <QString>

namespace zelk::da {

QString adaptSql(const QString& sql);

}  // namespace zelk::da
