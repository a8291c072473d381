#include "json_depth.h"

#include "../error.h"

void RaiseJsonTooDeep() { RaiseError(QT("JSON nesting deeper than 500 levels")); }
