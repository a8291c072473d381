#include "regex_library.h"

#include "../tree/value_node.h"
#include "regex_ops.h"
#include "regex_value.h"

namespace {

Text Subject(CValueList* args) { return CValueList::GetText(args, QT(""), QT(""), 0); }

// Arg 0 the subject, "action" (arg 1) a callable.
void DoMatch(CContext& context, CNode* receiver, CValueList* args, Value& result) {
  RegexMatch(context, *RegexValueOf(receiver), Subject(args), CValueList::GetArg(args, QT("action"), 1), result);
}

// Arg 0 the subject, arg 1 a template or a callable.
void DoReplace(CContext& context, CNode* receiver, CValueList* args, Value& result) {
  RegexReplace(context, *RegexValueOf(receiver), Subject(args), CValueList::GetArg(args, QT(""), 1), result);
}

}  // namespace

CRegexLibrary::CRegexLibrary() {
  AddHandler(QT("match"), &DoMatch);
  AddHandler(QT("replace"), &DoReplace);
}

bool CRegexLibrary::Accepts(CNode* receiver) { return RegexValueOf(receiver) != nullptr; }
