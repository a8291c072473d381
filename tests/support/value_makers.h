// Short makers for script values and a check of computed values against
// expected ones, shared by the tests of both builds.
#pragma once
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <ostream>
#include <string>

#include "runtime/error.h"
#include "platform/codepage.h"
#include "support/text_util.h"
#include "runtime/value/convert.h"
#include "runtime/value/predicates.h"
#include "runtime/value/text_access.h"
#include "runtime/value/value.h"

using namespace runtime;

inline constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
inline constexpr double kInf = std::numeric_limits<double>::infinity();

inline Value Int(int32_t v) { Value x; x.SetInt(v); return x; }
inline Value Int64(int64_t v) { Value x; x.SetInt64(v); return x; }
inline Value Dbl(double v) { Value x; x.SetDouble(v); return x; }
inline Value Sgl(float v) { Value x; x.SetSingle(v); return x; }
inline Value Cur(double amount) { Value x; x.SetCurrency(std::llround(amount * 10000)); return x; }
inline Value Date(double days) { Value x; x.SetDate(days); return x; }
inline Value Bool(bool v) { Value x; x.SetBool(v); return x; }
inline Value Null() { Value x; x.SetNull(); return x; }
inline Value Raw(VarType type, uint64_t bits) { Value x; x.SetRaw(type, bits); return x; }
inline Value Obj(CBase* object) { Value x; x.SetObject(object); return x; }
// The build's text (written in UTF-8), an OLE text, a UTF-16 text and an
// 8-bit text with a code page.
inline Value Txt(const char* utf8) { Value x; x.SetText(Widen(utf8)); return x; }
inline Value Ole(const char* ascii) {
  Value x;
  std::string s(ascii);
  x.AdoptText(TextRep16::Make(std::u16string(s.begin(), s.end())), varOleStr);
  return x;
}
inline Value U16(std::u16string_view text) { Value x; x.SetUString(text); return x; }
inline Value Wide(const char* ascii) {
  std::string s(ascii);
  return U16(std::u16string(s.begin(), s.end()));
}
inline Value Ansi(std::string_view bytes, uint16_t codePage) { Value x; x.SetAnsiString(bytes, codePage); return x; }

// Same type and same payload; texts by their characters.
inline bool SameValue(const Value& a, const Value& b) {
  if (a.Type() != b.Type()) return false;
  if (IsStringType(a.Type())) return ToUtf16(a) == ToUtf16(b);
  return a.Bits() == b.Bits();
}

inline std::string Show(const Value& v) {
  std::string text;
  try {
    platform::EncodeCodePage(platform::kCodePageUtf8, ToUtf16(v), text);
  } catch (const EScriptError&) {
    text = "?";
  }
  return "(type " + std::to_string(v.Type()) + ") " + text;
}

// In the value's namespace, where the test framework's printer looks.
namespace runtime {
inline void PrintTo(const Value& v, std::ostream* out) { *out << Show(v); }
}  // namespace runtime

// Checks that compute() gives want, or raises exactly the message error.
template <class F>
void ExpectOutcome(F compute, const Value& want, const char* error, const std::string& label) {
  try {
    Value got = compute();
    if (error)
      ADD_FAILURE() << label << ": gave " << Show(got) << ", expected the error " << error;
    else
      EXPECT_TRUE(SameValue(got, want)) << label << ": gave " << Show(got) << ", expected " << Show(want);
  } catch (const EScriptError& e) {
    if (error)
      EXPECT_STREQ(e.what(), error) << label;
    else
      ADD_FAILURE() << label << ": raised " << e.what();
  }
}
