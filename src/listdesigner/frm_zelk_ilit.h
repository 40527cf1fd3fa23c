#pragma once
// The column picker of list-entry interfaces (ILIT rows); one implementation with its twin in
// columnpicker.h.

#include "listdesigner/columnpicker.h"
