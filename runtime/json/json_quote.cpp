#include "json_quote.h"

#include "json_char_class.h"

namespace {

bool IsBareName(TextView name) {
  if (name.empty() || (name[0] >= '0' && name[0] <= '9')) return false;
  for (Char c : name)
    if (!IsJsonWordChar(CodeUnit(c))) return false;
  return true;
}

Text Enclosed(Char quote, TextView text) {
  Text out(1, quote);
  out.append(text);
  out += quote;
  return out;
}

Text BackQuoted(TextView text) {
  Text doubled;
  for (Char c : text) {
    doubled += c;
    if (c == '`') doubled += c;
  }
  return Enclosed('`', doubled);
}

const char* ControlEscape(unsigned c) {
  switch (c) {
    case 8: return "\\b";
    case 9: return "\\t";
    case 10: return "\\n";
    case 12: return "\\f";
    case 13: return "\\r";
    default: return ".";
  }
}

// The second byte of a two-byte character in qel's GBK texts; only bytes
// that can be one (from 0x40) are taken as such.
bool IsGbkPair([[maybe_unused]] TextView text, [[maybe_unused]] size_t i, [[maybe_unused]] bool gbk) {
#ifdef QEL_ANSI
  return gbk && CodeUnit(text[i]) > 128 && i + 1 < text.size() && CodeUnit(text[i + 1]) >= 0x40;
#else
  return false;
#endif
}

}  // namespace

Text QuoteName(TextView name, const TJsonOptions& options) {
  if (!options.json && IsBareName(name)) return Text(name);
  return QuoteText(name, options);
}

Text QuoteText(TextView text, const TJsonOptions& options) {
  if (options.json) return Enclosed('"', EscapeJsonText(text, options.gbk));
  if (text.find('"') == TextView::npos) return Enclosed('"', text);
  if (text.find('\'') == TextView::npos) return Enclosed('\'', text);
  return BackQuoted(text);
}

Text EscapeJsonText(TextView text, bool gbk) {
  Text out;
  out.reserve(text.size());
  for (size_t i = 0; i < text.size(); ++i) {
    const unsigned c = CodeUnit(text[i]);
    if (c < 32) {
      for (const char* e = ControlEscape(c); *e; ++e) out += Char(*e);
    } else if (c == '"' || c == '\\') {
      out += Char('\\');
      out += text[i];
    } else if (IsGbkPair(text, i, gbk)) {
      out += text.substr(i++, 2);
    } else {
      out += text[i];
    }
  }
  return out;
}
