#include "runtime/lib/library_chain.h"

#include <array>
#include <cstdint>
#include <cstring>
#include <map>

namespace runtime {

namespace {

std::array<LibraryFactory, size_t(LibrarySlot::kCount)>& Factories() {
  static std::array<LibraryFactory, size_t(LibrarySlot::kCount)> factories{};
  return factories;
}

// Names ignore ASCII case, as "GetLib" does.
std::map<Text, LibraryFactory>& NamedFactories() {
  static std::map<Text, LibraryFactory> named;
  return named;
}

Text FoldedName(TextView name) {
  Text folded(name);
  for (Char& c : folded)
    if (c >= 'A' && c <= 'Z') c = Char(c + ('a' - 'A'));
  return folded;
}

}  // namespace

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
  for (RecentName& recent : recent_) recent.filled = false;
}

size_t CLibrary::RecentSlot(TextView name) {
  if (name.empty()) return 0;
  return (name.size() * 7 + CodeUnit(name.front()) + CodeUnit(name.back()) * 3) % kRecentNames;
}

LibraryHandler CLibrary::Find(TextView name) {
  RecentName& recent = recent_[RecentSlot(name)];
  if (recent.filled && recent.name.size() == name.size() &&
      std::memcmp(recent.name.data(), name.data(), name.size() * sizeof(Char)) == 0)
    return recent.handler;
  auto position = reinterpret_cast<intptr_t>(names_->IndexOf(name));
  LibraryHandler handler = position ? handlers_[size_t(position - 1)] : nullptr;
  recent.name = name;
  recent.handler = handler;
  recent.filled = true;
  return handler;
}

void RegisterLibrary(LibrarySlot slot, LibraryFactory factory) { Factories()[size_t(slot)] = factory; }

LibraryFactory RegisteredLibrary(LibrarySlot slot) { return Factories()[size_t(slot)]; }

void RegisterNamedLibrary(TextView name, LibraryFactory factory) {
  if (factory) {
    NamedFactories()[FoldedName(name)] = factory;
  } else {
    NamedFactories().erase(FoldedName(name));
  }
}

LibraryFactory NamedLibrary(TextView name) {
  const auto found = NamedFactories().find(FoldedName(name));
  return found == NamedFactories().end() ? nullptr : found->second;
}

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

}  // namespace runtime
