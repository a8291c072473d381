#include "text_format.h"

#include "format_directive.h"
#include "format_field.h"

Text FormatText(TextView pattern, std::span<const Value> arguments) {
  FormatArguments args(arguments);
  Text out;
  size_t i = 0;
  while (i < pattern.size()) {
    size_t percent = pattern.find(Char('%'), i);
    out += pattern.substr(i, percent - i);
    if (percent == TextView::npos) break;
    if (percent + 1 < pattern.size() && pattern[percent + 1] == Char('%')) {
      out += Char('%');
      i = percent + 2;
      continue;
    }
    Directive d = ReadDirective(pattern, percent, args, i);
    out += FormatField(d, args.Next(d.text));
  }
  return out;
}
