// One input through the JSON reader in both modes and back through the
// writer, as the fuzzer and the corpus replay run it.
#pragma once
#include <string>
#include <string_view>

// The bytes are UTF-8 for qelu's text and the text itself for qel's. Script
// errors reading the input are expected; reading back what was written must
// not raise. Returns "" or what went wrong: once written and read back, an
// object must write the same text again.
std::string RunJsonInput(std::string_view bytes);
