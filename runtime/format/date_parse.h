// Texts read as dates by "toTime", date literals (@'...') and the "@"
// strings of JSON: the forms that a conversion to Date accepts
// (docs/values.md), with spaces around ignored.
#pragma once
#include "../text.h"

// Raises "Cannot convert Text "..." to Date" for any other text.
double DateFromText(TextView text);
