// One input through the whole front end, as the fuzzer and the corpus replay
// run it: the key-alias reader, the scanner with the value of every literal
// and operator, and the parser with the recording actions.
#pragma once
#include <string_view>

// The bytes are UTF-8 for qelu's text (invalid sequences become U+FFFD) and
// the text itself for qel's.
void RunFrontEnd(std::string_view bytes);
