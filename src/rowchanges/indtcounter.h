#pragma once
// The interface version counter: INDT id08 of an interface goes up by one.

#include <cstdint>

namespace zelk {

// Reads the interface row by number, raises the number its version text begins with (an
// empty or non-numeric text counts as 0) by one and stores the row. A missing row changes
// nothing; a failed store is not reported.
void IncrementIndtCounter(std::int32_t hdbc, std::int32_t number);

}  // namespace zelk
