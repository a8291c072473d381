#include "regex/regex_options.h"

#include <pcre.h>

#include <cstddef>

namespace {

struct OptionBit {
  uint8_t bit;
  int pcreOption;
};

constexpr OptionBit kCompileBits[] = {
    {regex_option::kCaseless, PCRE_CASELESS},   {regex_option::kMultiline, PCRE_MULTILINE},
    {regex_option::kDotAll, PCRE_DOTALL},       {regex_option::kExtended, PCRE_EXTENDED},
    {regex_option::kAnchored, PCRE_ANCHORED},   {regex_option::kUngreedy, PCRE_UNGREEDY},
    {regex_option::kNoAutoCapture, PCRE_NO_AUTO_CAPTURE}, {regex_option::kUtf8, PCRE_UTF8},
};

constexpr OptionBit kExecBits[] = {
    {regex_exec::kNotBol, PCRE_NOTBOL},
    {regex_exec::kNotEol, PCRE_NOTEOL},
    {regex_exec::kNotEmpty, PCRE_NOTEMPTY},
};

template <std::size_t N>
int Translate(uint8_t bits, const OptionBit (&table)[N]) {
  int options = 0;
  for (const OptionBit& entry : table) {
    if (bits & entry.bit) options |= entry.pcreOption;
  }
  return options;
}

}  // namespace

int CompileOptions(uint8_t optionByte) { return PCRE_NEWLINE_ANY | Translate(optionByte, kCompileBits); }

int ExecOptions(uint8_t execFlags) { return Translate(execFlags, kExecBits); }
