#pragma once
// Changes of an interface's item rows made outside the designers (a field added, a control kind
// changed) go together with the interface's version counter: both commit or neither does.

#include <cstdint>
#include <functional>

namespace zelk {

// Locks the interface's INDT row, runs `change`, raises the version counter (INDT id08), all in
// one transaction. `change` returns false (or throws) on failure; then nothing stays and false
// is returned (a throw is passed on after the rollback). False too when the interface is gone
// or its counter could not be stored.
bool ChangeItemsWithVersion(std::int32_t hdbc, std::int32_t number,
                            const std::function<bool()>& change);

}  // namespace zelk
