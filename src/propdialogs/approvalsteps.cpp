#include "propdialogs/approvalsteps.h"

#include "component/fixedfield.h"
#include "component/records.h"
#include "component/zelkmodule.h"
#include "dataaccess/dravix.h"
#include "platform/pointer.h"

namespace zelk {

namespace {

// Frees the cursor however the reading ends (freeing after the last row is harmless).
class CursorGuard {
  public:
    explicit CursorGuard(std::int32_t cursor) : cursor_(cursor) {}
    ~CursorGuard() {
        if (cursor_ != 0) odbc_FreeStmtHandle(cursor_);
    }
    CursorGuard(const CursorGuard&) = delete;
    CursorGuard& operator=(const CursorGuard&) = delete;

  private:
    std::int32_t cursor_;
};

// Appends every row that `condition` selects; false when it selected none.
bool appendSteps(QComboBox& list, std::int32_t hdbc, const QString& condition) {
    MBHJRecord record{};
    const std::int32_t cursor = taskMBHJ_GetFirst(hdbc, record, condition);
    if (cursor == 0) return false;
    CursorGuard guard(cursor);
    list.addItem(TrimFixedField(fieldText(record.m01)));
    while (taskMBHJ_GetNext(cursor, record) != 0)
        list.addItem(TrimFixedField(fieldText(record.m01)));
    return true;
}

}  // namespace

void fillApprovalSteps(QComboBox& list, std::int32_t hdbc, const QString& fid,
                       const QString& systemName) noexcept {
    BusyCursor hourglass;
    try {
        list.clear();
        const QString byRoute = QStringLiteral(
                                    "MH00 in (Select MZ02 from MBZX where MZ01 in (select MR00 "
                                    "from mBRW where MR05=") +
                                sqlQuote(fid) + QStringLiteral("))");
        if (!appendSteps(list, hdbc, byRoute))
            appendSteps(list, hdbc, QStringLiteral("MH03=") + sqlQuote(systemName));
    } catch (...) {
        // The names read so far stay; the dialog opens without the rest.
    }
}

}  // namespace zelk
