#include "regex/case_convert.h"

#include "platform/case_map.h"
#include "regex/code_page_case.h"
#include "regex/engine_text.h"
#include "regex/utf16_case.h"

bool CaseConversionOf(char letter, CaseConversion& conversion) {
  switch (letter) {
    case 'U': case 'u': conversion = CaseConversion::Upper; return true;
    case 'L': case 'l': conversion = CaseConversion::Lower; return true;
    case 'F': case 'f': conversion = CaseConversion::FirstCapital; return true;
    case 'I': case 'i': conversion = CaseConversion::WordCapitals; return true;
    default: return false;
  }
}

#ifdef QEL_ANSI

std::string ConvertCase(std::string_view bytes, CaseConversion conversion) {
  switch (conversion) {
    case CaseConversion::Upper: return CodePageUpper(bytes, 0);
    case CaseConversion::Lower: return CodePageLower(bytes, 0);
    case CaseConversion::FirstCapital: return CodePageFirstCapital(bytes, 0);
    case CaseConversion::WordCapitals: return CodePageWordCapitals(bytes, 0);
  }
  return std::string(bytes);
}

#else

namespace {

std::u16string ConvertText(std::u16string_view text, CaseConversion conversion) {
  switch (conversion) {
    case CaseConversion::Upper: return platform::UpperCase(text);
    case CaseConversion::Lower: return platform::LowerCase(text);
    case CaseConversion::FirstCapital: return FirstCapital(text);
    case CaseConversion::WordCapitals: return WordCapitals(text);
  }
  return std::u16string(text);
}

}  // namespace

std::string ConvertCase(std::string_view bytes, CaseConversion conversion) {
  return EngineBytes(ConvertText(EngineText(bytes), conversion));
}

#endif
