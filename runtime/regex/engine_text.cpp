#include "regex/engine_text.h"

#include "platform/codepage.h"

#ifdef QEL_ANSI

std::string EngineBytes(TextView text) { return std::string(text); }
Text EngineText(std::string_view bytes) { return Text(bytes); }

#else

// A lone surrogate becomes U+FFFD, so the bytes are always valid UTF-8.
std::string EngineBytes(TextView text) {
  std::string bytes;
  platform::EncodeCodePage(platform::kCodePageUtf8, text, bytes);
  return bytes;
}

Text EngineText(std::string_view bytes) {
  Text text;
  platform::DecodeCodePage(platform::kCodePageUtf8, bytes, text);
  return text;
}

#endif
