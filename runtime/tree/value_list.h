// Ordered, owning list of value nodes with a name index: the argument lists
// of calls and the member lists of objects. Positions may hold no node (holes
// left by growing the list); they read as null.
#pragma once
#include "../base/list.h"
#include "class_id.h"
#include "value_node.h"

class CValueList : public CNamedList {
public:
  CValueList() : CNamedList(true) {}

  ClassId Id() const { return ClassId::kValueList; }

  // Takes over one reference. A named item goes in its name's place (the
  // node there is released) or is appended; an unnamed one is appended.
  void Add(CValue* item);
  // Takes over one reference and stores it at a position, growing the list.
  void PutAt(int32_t index, CValue* item);

  CValue* At(int32_t index) const { return static_cast<CValue*>(Get(index)); }
  CValue* FindValue(TextView name) { return static_cast<CValue*>(Find(name)); }
  // The value at a position; null for holes.
  const Value& ValueAt(int32_t index) const;
  bool HasNames() const { return !Empty(); }

  // Argument access; all accept no list.
  static int32_t ArgCount(const CValueList* list) { return list ? list->Count() : 0; }
  // The item of that name; else the item at position (0-based, -1 for none)
  // when it has no name or that name.
  static CValue* GetArg(CValueList* list, TextView name, int32_t position);
  static bool GetBool(CValueList* list, TextView name, bool fallback, int32_t position);
  static int32_t GetInt(CValueList* list, TextView name, int32_t fallback, int32_t position);
  static Text GetText(CValueList* list, TextView name, TextView fallback, int32_t position);

private:
  // Items are values: the list's plain Add would skip the name handling.
  using CNamedList::Add;
};

// ASCII letters compare without regard to case, as in the name tables.
bool SameName(TextView a, TextView b);
