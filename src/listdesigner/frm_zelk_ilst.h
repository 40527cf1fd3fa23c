#pragma once
// The column picker of browse lists (ILST rows); one implementation with its twin in
// columnpicker.h.

#include "listdesigner/columnpicker.h"
