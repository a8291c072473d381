// Methods of script objects: "@count", "@length", "@each", "@add", "@clone"
// and "@toJson".
#pragma once
#include "runtime/lib/library_chain.h"

namespace runtime {

class CObjectLibrary : public CLibrary {
public:
  CObjectLibrary();

  // A receiver whose value refers to a script object (literal, list, record
  // or class instance).
  bool Accepts(CNode* receiver) override;
};

// The handlers of the object library. The receiver's value refers to a
// script object (the library accepts nothing else).
class CObjectValue;

CObjectValue* ReceiverObject(CNode* receiver);

// Number of members.
void DoCount(CContext& context, CNode* receiver, CValueList* args, Value& result);
// Calls arg 0 with (value, name) of each member, last first with "reverse".
void DoEach(CContext& context, CNode* receiver, CValueList* args, Value& result);
// Merges the arguments in: a named one overwrites the member of its name.
void DoAdd(CContext& context, CNode* receiver, CValueList* args, Value& result);
// A deep copy.
void DoClone(CContext& context, CNode* receiver, CValueList* args, Value& result);
// The text form: "format", "json", "isGbk".
void DoToJson(CContext& context, CNode* receiver, CValueList* args, Value& result);

}  // namespace runtime
