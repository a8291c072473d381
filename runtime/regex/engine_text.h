// Texts as the engine holds them: UTF-8 in qelu; in qel the text's own bytes
// in the system code page, which PCRE's UTF-8 mode takes as they are.
#pragma once
#include <string>
#include <string_view>

#include "text.h"

std::string EngineBytes(TextView text);
Text EngineText(std::string_view bytes);

// Whether EngineBytes always gives valid UTF-8, so PCRE need not check it.
#ifdef QEL_ANSI
inline constexpr bool kEngineBytesAreUtf8 = false;
#else
inline constexpr bool kEngineBytesAreUtf8 = true;
#endif
