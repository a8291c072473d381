// Messages of the formatters: a bad pattern or an argument that does not fit.
#pragma once
#include <string_view>

#include "../text.h"

class Value;

// "Date pattern "yyyy'x": quote not closed"
[[noreturn]] void RaisePatternError(std::string_view kind, TextView pattern, std::string_view problem);
// "Format "%d" needs an integer, not Text "12""
[[noreturn]] void RaiseArgumentMismatch(TextView directive, std::string_view wanted, const Value& argument);
// "Format "%s": too few arguments (1 given)"
[[noreturn]] void RaiseMissingArgument(TextView directive, size_t given);
// "Format "%q": unknown type "q"", "Format "%5": incomplete directive"
[[noreturn]] void RaiseDirectiveError(TextView directive, std::string_view problem);
