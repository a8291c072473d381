// Names, members, calls, list literals, indexes and arguments.
#include "../parse/literal_value.h"
#include "../tree/call.h"
#include "../tree/object_value.h"
#include "../tree/references.h"
#include "argument_carrier.h"
#include "build_routines.h"

namespace {

void Name(const TRule& r, bool optional) { r.Give(r.builder.Compiler().MakeNameRef(r.TextOf(1), optional)); }

void Member(const TRule& r, const Text& name, bool optional) {
  r.Give(new CMemberRef(r.builder.Current(), name, r.TakeValue(1), optional));
}

// The arguments a carrier value holds, taken over; null for none.
CValueList* TakeArguments(const TRule& r, int i) {
  auto* carrier = static_cast<CArgumentCarrier*>(r.Take(i));
  if (!carrier) return nullptr;
  CValueList* list = carrier->TakeList();
  carrier->Release();
  return list;
}

void AppendArgument(const TRule& r, CArgumentCarrier* carrier, int i) {
  carrier->List()->Add(r.TakeValue(i));
  r.Give(carrier);
}

void NameArgument(const TRule& r, const Text& name) {
  CValue* argument = r.TakeValue(3);
  argument->SetName(name);
  r.Give(argument);
}

}  // namespace

void BuildPassFirst(const TRule& r) { r.Pass(1); }

void BuildPassSecond(const TRule& r) { r.Pass(2); }

void BuildName(const TRule& r) { Name(r, false); }

void BuildOptionalName(const TRule& r) { Name(r, true); }

void BuildMember(const TRule& r) { Member(r, r.TextOf(3), false); }

void BuildOptionalMember(const TRule& r) { Member(r, r.TextOf(3), true); }

void BuildStringMember(const TRule& r) { Member(r, UnquoteString(r.TextOf(3)), false); }

void BuildCall(const TRule& r) {
  CValue* callee = r.TakeValue(1);
  r.Give(new CCall(r.builder.Current(), callee, TakeArguments(r, 3)));
}

void BuildList(const TRule& r) {
  auto* list = new CObjectValue(r.builder.Current());
  if (CValueList* members = TakeArguments(r, 2)) list->SetMembers(members);
  r.Give(list);
}

void BuildIndex(const TRule& r) {
  CValue* object = r.TakeValue(1);
  r.Give(new CIndexRef(r.builder.Current(), object, r.TakeValue(3)));
}

void BuildFirstArg(const TRule& r) { AppendArgument(r, new CArgumentCarrier(r.builder.Current()), 1); }

void BuildNextArg(const TRule& r) {
  auto* carrier = static_cast<CArgumentCarrier*>(r.Take(1));
  AppendArgument(r, carrier ? carrier : new CArgumentCarrier(r.builder.Current()), 3);
}

void BuildNamedArg(const TRule& r) { NameArgument(r, r.TextOf(1)); }

void BuildStringNamedArg(const TRule& r) { NameArgument(r, UnquoteString(r.TextOf(1))); }
