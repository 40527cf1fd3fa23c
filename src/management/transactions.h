#pragma once
// Transactions of the manager's writes. A routine that writes joins the transaction its caller
// opened through runInTransaction, or runs in one of its own: so a flag write inside a delete
// commits with the delete, and alone commits by itself.

#include <cstdint>
#include <functional>

namespace zelk {

// Runs `work` in one transaction on the connection: its own, or the one an enclosing call has
// open. `work` returns false (or throws) on failure; the outermost call then rolls back (and
// rethrows). True when the work succeeded and, for the outermost call, was committed.
bool runInTransaction(std::int32_t hdbc, const std::function<bool()>& work);

// Locks the interface's INDT row for the rest of the transaction (a server serialises two
// writers of one interface; SQLite's transactions already hold the write lock).
bool lockInterfaceRow(std::int32_t hdbc, std::int32_t number);

// Changes an interface's item rows outside the designers: the row locked, `change` run, the
// version counter raised, in one transaction; on any failure nothing stays.
bool ChangeInterfaceItems(std::int32_t hdbc, std::int32_t number,
                          const std::function<bool()>& change);

}  // namespace zelk
