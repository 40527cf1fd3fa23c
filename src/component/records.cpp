#include "component/records.h"

// The record types are header-only; this unit checks that the header stands alone.
