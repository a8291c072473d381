// Names and texts in the written forms of objects.
#pragma once
#include "../text.h"
#include "json_options.h"

// A name that needs no quotes ($ 0..9 @..Z _ a..z, not starting with a digit)
// stays bare unless writing JSON; others are quoted as texts are.
Text QuoteName(TextView name, const TJsonOptions& options);
// JSON: escaped, in double quotes. Otherwise in double quotes when it holds
// none, else in single quotes when it holds none of those, else in back
// quotes with each back quote doubled.
Text QuoteText(TextView text, const TJsonOptions& options);
// \b \t \n \f \r \" and \\; other control characters become "."; everything
// else is copied (no \u escapes).
Text EscapeJsonText(TextView text, bool gbk);
