// The context that answers member calls through the ordered library chain.
#pragma once
#include "../base/list.h"
#include "context.h"

class CLibrary;

class CRunner : public CContext {
public:
  // Builds the chain from the registered libraries, in slot order.
  CRunner();
  ~CRunner() override;

  // The first accepting library that knows the name handles the call.
  bool Call(CNode* receiver, TextView name, CallKind kind, Value& result, CValueList* args) override;
  CContext* NewContext() override;

  int32_t LibraryCount() const { return chain_->Count(); }
  CLibrary* Library(int32_t index) const;

private:
  CList* chain_;  // owning
};
