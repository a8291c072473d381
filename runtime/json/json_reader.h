// The JSON reader, its literals, strings and the containers it fills.
#pragma once
#include <vector>

#include "runtime/text.h"
#include "runtime/value/value.h"

namespace runtime {

// The JSON reader: strict JSON and the runtime's own literal notation (bare
// names, ' and ` quotes, "=" for ":", ";" for ",", @"..." dates, nil), read in
// one forgiving pass. It never reports a syntax error: what it cannot place
// it skips.
class CObjectInstance;

// The first container of the text ("[" a list, "{" a record) with one
// reference for the caller, or null when the text makes none. With json a
// string ends only at a quote not escaped by a backslash and is unescaped;
// without, a doubled quote inside a string stands for one, as in the
// language's own strings. Bad numbers and dates, and nesting beyond the
// depth limit, raise.
CObjectInstance* ReadJsonText(TextView text, bool json);
// "GetJson": a counted reference to what the text gives, or to a new empty list.
void GetJson(TextView text, bool json, Value& result);

// Values of the JSON reader's bare literals.

// A number run ("12", "-1.5e3", "0x1F", "-0b101"), read by the rule of number
// literals. A run that is no number ("1-2", "-", "0x", "0b102", "1a") raises
// the system's conversion error.
Value JsonNumber(TextView literal);
// null and nil give Null, true and false the booleans (exact case); any other
// word is a text.
Value JsonWord(TextView word);

// Quoted strings of the JSON reader.

// The string whose opening quote is at start: its content between the
// quotes, as written, and the position of its closing quote (the end of the
// text when it has none). With json a quote after an odd number of
// backslashes does not end it; without, a doubled quote stands for one, as
// in the language's own strings. The content is a view of the text, or of
// store when doubled quotes had to be made single.
size_t ScanJsonString(TextView text, size_t start, bool json, Text& store, TextView& content);

// The containers the JSON reader fills: the first one made is the result, the
// open ones form a stack, and each new member goes to the innermost.
class CObjectInstance;
class CValue;

class TJsonContainers {
public:
  TJsonContainers() = default;
  TJsonContainers(const TJsonContainers&) = delete;
  TJsonContainers& operator=(const TJsonContainers&) = delete;
  ~TJsonContainers();

  // Takes over the member. Without an open container a list is made first.
  void AddMember(CValue* member, TextView name);
  // A "[" list or "{" record, a member of the innermost container when
  // there is one; it becomes the innermost. Raises beyond the depth limit.
  void Open(bool record, TextView name);
  // The outermost container stays open, so extra closing brackets do nothing.
  void Close();
  // Hands the result (or null) to the caller.
  CObjectInstance* TakeResult();

private:
  void Push(CObjectInstance* container, TextView name);
  static void FitCapacity(CObjectInstance* container);

  CObjectInstance* result_ = nullptr;
  std::vector<CObjectInstance*> open_;  // held by result_
};

}  // namespace runtime
