#include "treeimage/block_streamers.h"

#include <unordered_set>

#include "base/list.h"
#include "image/bad_format.h"
#include "image/image_reader.h"
#include "tree/block.h"
#include "treeimage/name_table.h"

namespace {

enum BlockField : int32_t { kChildren = 0, kUsedModules = 1, kNames = 2, kBreak = 3 };
enum ModuleField : int32_t { kLookupGuard = 0, kNextModule = 2, kRan = 3 };

// Replaces a list the block made with the record's, when there is one.
template <class T>
void TakeOver(T*& field, T* list) {
  if (!list) return;
  field->Release();
  field = list;
}

void CheckChildren(const CList& children) {
  if (!children.OwnsItems()) RaiseBadFormat();
  for (int32_t i = 0; i < children.Count(); ++i) {
    CBase* child = children.Get(i);
    if (!child || !child->AsNode()) RaiseBadFormat();
  }
}

void CheckUsedModules(const CList& used, const CList& children) {
  if (used.OwnsItems()) RaiseBadFormat();
  if (used.Count() == 0) return;
  std::unordered_set<const CBase*> held;
  for (int32_t i = 0; i < children.Count(); ++i) held.insert(children.Get(i));
  for (int32_t i = 0; i < used.Count(); ++i) {
    CBase* module = used.Get(i);
    if (!dynamic_cast<CModule*>(module) || !held.contains(module)) RaiseBadFormat();
  }
}

}  // namespace

void CBlockStreamer::ReadFields(int32_t group, int32_t index) {
  if (group != GroupOf(ClassId::kBlock)) return CNodeStreamer::ReadFields(group, index);
  auto* block = NodeAs<CBlock>();
  switch (index) {
    case kChildren:
      TakeOver(block->children_, ReadCountedRef<CList>());
      break;
    case kUsedModules:
      TakeOver(block->usedModules_, ReadCountedRef<CList>());
      break;
    case kNames:
      ReadRefAndRecord<CTrie>(ReferenceKind::kConsumed, namesRecord_);
      break;
    case kBreak:
      if (ReadBool()) block->SetBreak();
      break;
    default:
      RaiseBadFormat();
  }
}

void CBlockStreamer::Finish() {
  CNodeStreamer::Finish();
  auto* block = NodeAs<CBlock>();
  if (namesRecord_) TakeOver(block->names_, BlockNamesOf(Reader().StreamerOf(namesRecord_)));
  CheckChildren(*block->children_);
  CheckUsedModules(*block->usedModules_, *block->children_);
}

void CModuleStreamer::ReadFields(int32_t group, int32_t index) {
  if (group != GroupOf(ClassId::kModule)) return CBlockStreamer::ReadFields(group, index);
  switch (index) {
    case kLookupGuard:
      ReadCompactInt();
      break;
    case kNextModule:
      ReadRecordRef<CModule>();
      break;
    case kRan:
      NodeAs<CModule>()->ran_ = ReadBool();
      break;
    default:
      RaiseBadFormat();
  }
}

void CModuleStreamer::Finish() {
  CBlockStreamer::Finish();
  if (NodeAs<CModule>()->Owner()) RaiseBadFormat();
}
