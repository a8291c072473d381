// Finding a text inside another, ASCII letters matching in either case when
// asked: the search of "replace" with a text.
#pragma once
#include <cstddef>

#include "runtime/text.h"

namespace runtime {

// The first occurrence of find at or after from, or npos; find must not be
// empty. With ignoreCase only "a".."z" and "A".."Z" match each other.
std::size_t FindText(TextView source, TextView find, std::size_t from, bool ignoreCase);

}  // namespace runtime
