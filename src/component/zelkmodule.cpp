#include "component/zelkmodule.h"
