// The one message every malformed image is refused with.
#pragma once
#include <string>

inline const std::string kBadFormat = "Bad file format!";
