#include "regex_flags.h"

#include "../regex/regex_options.h"

namespace {

uint8_t OptionOfLetter(Char letter) {
  switch (letter) {
    case 'i': return regex_option::kCaseless;
    case 'm': return regex_option::kMultiline;
    case 's': return regex_option::kDotAll;
    case 'x': return regex_option::kExtended;
    case 'u': return regex_option::kUtf8;
    default: return 0;
  }
}

}  // namespace

uint8_t OptionByteOfFlags(TextView flags) {
  uint8_t options = 0;
  for (Char letter : flags) options |= OptionOfLetter(letter);
  return options;
}

bool IsGlobalFlags(TextView flags) { return flags.find('g') != TextView::npos; }
