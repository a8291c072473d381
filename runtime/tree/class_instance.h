// The object a class call makes. Its members are the variables of the class
// and its bases; while a method runs, those variables are bound to the members.
#pragma once
#include <vector>

#include "object_value.h"

class CClassInstance : public CRecordInstance {
public:
  struct Binding {
    CValue* variable;  // of the class or a base
    CValue* member;
  };

  // Owned by the class it is an instance of (not counted).
  explicit CClassInstance(CFunction* cls);

  // Not written to compiled images.
  ClassId Id() const override { return ClassId::kNone; }
  CClassInstance* AsClassInstance() override { return this; }

  // One member per variable of the class and then of its bases (a derived
  // variable hides a base's of the same name), starting with the variable's
  // own value (not that of an instance it may be bound to).
  void BuildMembers();

  CFunction* Class() const { return class_; }
  const std::vector<Binding>& Bindings() const { return bindings_; }

private:
  CFunction* class_;
  std::vector<Binding> bindings_;
};

// The class instance a value refers to, or null.
CClassInstance* ClassInstanceOf(const Value& value);
