// Makes a class instance "this" for a call: the variables of its class and
// bases read and write its members, "this" refers to it (and keeps it alive),
// and every variable gets its earlier slot back when the binding ends, also
// when the call raised.
#pragma once
#include "../value/value.h"
#include "slot_saver.h"

class CClassInstance;
class CFunction;

class CInstanceBinding {
public:
  explicit CInstanceBinding(CClassInstance* instance);
  ~CInstanceBinding();
  CInstanceBinding(const CInstanceBinding&) = delete;
  CInstanceBinding& operator=(const CInstanceBinding&) = delete;

private:
  CSlotSaver saver_;
  CFunction* class_;
  Value this_;  // counted
};
