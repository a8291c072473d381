// "eval": "$name" references in a text replaced by the values of the names
// visible where the receiver stands.
#include "../tree/node.h"
#include "../tree/node_location.h"
#include "../tree/value_node.h"
#include "../value/convert.h"
#include "builtin_args.h"
#include "builtin_handlers.h"

namespace {

bool IsNameChar(Char c) {
  return c == '$' || (c >= '0' && c <= '9') || (c >= '@' && c <= 'Z') || c == '_' || (c >= 'a' && c <= 'z');
}

// "$@@" names the place of the last failure when no scope defines "@@";
// an unknown name stays as written.
Text Expansion(CContext& context, CNode* receiver, TextView reference) {
  const TextView name = reference.substr(1);
  if (CValue* found = name.empty() ? nullptr : receiver->Lookup(name)) return ToText(found->ValueRef());
  if (name == QT("@@")) return NodeLocation(context);
  return Text(reference);
}

}  // namespace

// Inserted values are never expanded again: scanning goes on after them.
void DoEval(CContext& context, CNode* receiver, CValueList*, Value& result) {
  const Text text = ReceiverText(receiver);
  Text expanded;
  size_t done = 0;
  for (size_t at = text.find('$'); at != Text::npos; at = text.find('$', done)) {
    size_t end = at + 1;
    while (end < text.size() && IsNameChar(text[end])) ++end;
    expanded.append(text, done, at - done);
    expanded += Expansion(context, receiver, TextView(text).substr(at, end - at));
    CheckBuiltTextLength(expanded.size());
    done = end;
  }
  expanded.append(text, done);
  result.SetText(expanded);
}
