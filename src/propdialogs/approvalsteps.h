#pragma once
// The approval-step list of the check-box and postil dialogs: the steps that the routes of the
// interface lead through, or, when it has none, every step of the system.

#include <QComboBox>
#include <QString>
#include <cstdint>

namespace zelk {

// Clears `list` and appends the step names in the order the library delivers them (trailing
// blanks trimmed; duplicates and empty names kept). Condition 1: the steps of the routes of
// interface `fid`; condition 2, only when condition 1 delivers no row: the steps whose system is
// `systemName`. Runs under the hourglass. A failing lookup ends the list where it is; it never
// throws, and the pointer is set back and the cursor freed in every case.
void fillApprovalSteps(QComboBox& list, std::int32_t hdbc, const QString& fid,
                       const QString& systemName) noexcept;

}  // namespace zelk
