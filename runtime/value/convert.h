// Conversions between script values and their errors.
#pragma once
#include <cstdint>
#include <string>

#include "runtime/value/arith.h"
#include "runtime/value/value.h"

namespace runtime {

// Conversions between script values. They follow OLE Automation's rules but
// do not depend on the locale; docs/values.md lists every rule. Failures raise
// EScriptError: "Cannot convert ..." or "Overflow converting ...".
int32_t ToInt32(const Value& v);
int64_t ToInt64(const Value& v);
double ToDouble(const Value& v);
// The amount times 10000.
int64_t ToCurrency(const Value& v);
double ToDate(const Value& v);
bool ToBool(const Value& v);
// The build's text: UTF-16 in qelu, the system code page in qel.
Text ToText(const Value& v);
// ToText without copying a text of the build's width: other values are
// converted into buffer.
TextView BuildTextView(const Value& v, Text& buffer);
std::u16string ToUtf16(const Value& v);
// 8-bit text in the system code page.
std::string ToAnsi(const Value& v);

// dst may be src itself. Object references convert only to Boolean; to any
// other type they give Empty.
void ChangeType(Value& dst, const Value& src, VarType type);

// The value as a number for arithmetic and comparison; errors name target.
Number ToNumber(const Value& v, VarType target);
// The number rounded half to even to an Int64; errors name source and target.
int64_t ToWholeNumber(const Number& n, const Value& source, VarType target);
// Integers of a type up to 64 bits, range-checked for that type.
int64_t ToRangedInteger(const Value& v, VarType type);

// The errors of value conversions.

// The name of a value type in messages: "Int32", "Text", "Byte array", ...
std::string TypeName(VarType type);

// "Cannot convert Text "12abc" to Int32"
[[noreturn]] void RaiseConversionError(const Value& from, VarType to);
// "Overflow converting Double 10000000000 to Int32"
[[noreturn]] void RaiseOverflow(const Value& from, VarType to);

}  // namespace runtime
