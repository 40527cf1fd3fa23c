#pragma once
// Error numbers the keyed collections of the window controls raise, as the original ones did.

namespace zelk {

inline constexpr int kErrIndexOutOfBounds = 35600;  // "Index out of bounds"
inline constexpr int kErrElementNotFound = 35601;   // "Element not found"
inline constexpr int kErrKeyNotUnique = 35602;      // "Key is not unique in collection"

}  // namespace zelk
