// The tokens of a text as "NAME:text" words, punctuation as itself.
#pragma once
#include <string>
#include <string_view>

std::string ScanAll(std::string_view utf8);
