#include "library.h"

#include <cstdint>

CLibrary::CLibrary() : names_(new CHandlerNames()) {}

CLibrary::~CLibrary() { names_->Release(); }

bool CLibrary::Accepts(CNode*) { return false; }

bool CLibrary::Call(CContext& context, CNode* receiver, CallKind, Value& result, CValueList* args, TextView name) {
  LibraryHandler handler = Find(name);
  if (!handler) return false;
  handler(context, receiver, args, result);
  return true;
}

void CLibrary::AddHandler(TextView name, LibraryHandler handler) {
  handlers_.push_back(handler);
  auto position = reinterpret_cast<void*>(static_cast<intptr_t>(handlers_.size()));
  names_->FindOrInsert(name, position, false, true);
}

LibraryHandler CLibrary::Find(TextView name) {
  auto position = reinterpret_cast<intptr_t>(names_->IndexOf(name));
  return position ? handlers_[size_t(position - 1)] : nullptr;
}
