#include "runner.h"

#include "library.h"
#include "library_registry.h"

CRunner::CRunner() : chain_(new CList(true)) {
  for (int slot = 0; slot < int(LibrarySlot::kCount); ++slot)
    if (LibraryFactory factory = RegisteredLibrary(LibrarySlot(slot))) chain_->Put(factory(), -1);
}

CRunner::~CRunner() { chain_->Release(); }

CLibrary* CRunner::Library(int32_t index) const { return static_cast<CLibrary*>(chain_->Get(index)); }

bool CRunner::Call(CNode* receiver, TextView name, CallKind kind, Value& result, CValueList* args) {
  for (int32_t i = 0; i < chain_->Count(); ++i) {
    CLibrary* library = Library(i);
    if (library->Accepts(receiver) && library->Call(*this, receiver, kind, result, args, name)) return true;
  }
  return false;
}

CContext* CRunner::NewContext() { return new CRunner(); }
