#include "text_regex.h"

#include "../sys/replace_text.h"
#include "../tree/value_node.h"
#include "../value/convert.h"
#include "regex_ops.h"
#include "regex_value.h"

namespace {

// The receiver's text without a copy when it is a text of the build's kind.
TextView ReceiverView(CNode* receiver, Text& buffer) {
  CValue* value = receiver ? receiver->AsValue() : nullptr;
  return value ? BuildTextView(value->ValueRef(), buffer) : TextView();
}

CValue* Pattern(CValueList* args) { return CValueList::GetArg(args, QT(""), 0); }

}  // namespace

void DoTextMatch(CContext& context, CNode* receiver, CValueList* args, Value& result) {
  CValue* pattern = Pattern(args);
  if (!pattern) return;
  Text buffer;
  const TextView subject = ReceiverView(receiver, buffer);
  if (CRegexValue* regex = RegexValueOf(pattern))
    return RegexMatch(context, *regex, subject, CValueList::GetArg(args, QT("action"), 1), result);
  result.SetBool(subject.find(ToText(pattern->ValueRef())) != TextView::npos);
}

void DoTextReplace(CContext& context, CNode* receiver, CValueList* args, Value& result) {
  CValue* pattern = Pattern(args);
  if (!pattern) return;
  CValue* replacement = CValueList::GetArg(args, QT(""), 1);
  Text buffer;
  if (CRegexValue* regex = RegexValueOf(pattern))
    return RegexReplace(context, *regex, ReceiverView(receiver, buffer), replacement, result);
  const Text with = replacement ? ToText(replacement->ValueRef()) : Text();
  result.SetText(ReplaceText(ReceiverView(receiver, buffer), ToText(pattern->ValueRef()), with,
                             kReplaceAll | kReplaceIgnoreCase));
}

void DoToRegex(CContext&, CNode* receiver, CValueList* args, Value& result) {
  Text buffer;
  const TextView pattern = ReceiverView(receiver, buffer);
  const Text flags = CValueList::GetText(args, QT(""), QT(""), 0);
  auto* regex = new CRegexValue(nullptr);
  regex->Init(pattern, flags);
  result.SetCountedObject(regex);
  regex->Release();
}
