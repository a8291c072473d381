#include "image/bad_format.h"

#include "error.h"

void RaiseBadFormat() { RaiseError(QT("Bad file format!")); }
