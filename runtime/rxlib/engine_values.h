// Script values made from the engine's bytes (UTF-8 in qelu, the text's own
// bytes in qel).
#pragma once
#include <string>
#include <string_view>
#include <vector>

#include "../value/value.h"

// A text of the build.
void SetEngineText(Value& value, std::string_view bytes);
// The bytes as they are, in an 8-bit text that knows their code page; it
// converts wherever a text of the build is needed.
void SetEngineBytes(Value& value, std::string_view bytes);
// A new script object (counted reference) holding one text per entry.
void SetEngineTextList(Value& value, const std::vector<std::string>& entries);
