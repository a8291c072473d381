#include "runtime/treeimage/node_streamer.h"

#include <cstdint>
#include <vector>

#include "runtime/image/base_streamers.h"
#include "runtime/image/image_reader.h"
#include "runtime/image/streamer.h"
#include "runtime/tree/block.h"
#include "runtime/tree/node.h"
#include "runtime/tree/statements.h"
#include "runtime/tree/value_node.h"

namespace runtime {

namespace {

enum NodeField : int32_t { kName = 0, kOwner = 1 };

}  // namespace

void CNodeStreamer::ReadFields(int32_t group, int32_t index) {
  if (group != GroupOf(ClassId::kNode)) return CStreamer::ReadFields(group, index);
  auto* node = NodeAs<CNode>();
  switch (index) {
    case kName:
      node->SetName(ReadText());
      break;
    case kOwner:
      node->SetOwner(ReadRefAndRecord<CNode>(ReferenceKind::kPlain, ownerRecord_));
      break;
    default:
      RaiseBadFormat();
  }
}

void CNodeStreamer::Finish() { OwnerDepth(); }

// Walks up to the first owner whose depth is known, then gives the depths
// back down, so that every record is walked once however the chains share.
// Meeting a record of the same walk again closes a loop.
int32_t CNodeStreamer::OwnerDepth() {
  std::vector<CNodeStreamer*> chain;
  CNodeStreamer* at = this;
  while (at->ownerDepth_ == kDepthUnknown && at->ownerRecord_ != 0) {
    at->ownerDepth_ = kDepthOnWalk;
    chain.push_back(at);
    at = &NodeStreamerOf(at->ownerRecord_);
  }
  if (at->ownerDepth_ == kDepthOnWalk) RaiseBadFormat();
  if (at->ownerDepth_ == kDepthUnknown) at->ownerDepth_ = 0;
  int32_t depth = at->ownerDepth_;
  for (auto it = chain.rbegin(); it != chain.rend(); ++it) (*it)->ownerDepth_ = ++depth;
  return ownerDepth_;
}

CNodeStreamer& CNodeStreamer::NodeStreamerOf(int32_t record) const {
  auto* streamer = dynamic_cast<CNodeStreamer*>(&Reader().StreamerOf(record));
  if (!streamer) RaiseBadFormat();
  return *streamer;
}

CBase* CNodeStreamer::ResolveNode(ReferenceKind kind, bool (*isClass)(CBase*), int32_t& record) {
  record = ReadCompactInt();
  if (record == 0) return nullptr;
  CBase* node = Reader().Resolve(Record(), record, kind, isClass);
  if (kind == ReferenceKind::kCounted) node->AddRef();
  return node;
}

void CLineStatementStreamer::ReadFields(int32_t group, int32_t index) {
  if (group != GroupOf(ClassId::kLineStatement)) return CNodeStreamer::ReadFields(group, index);
  if (index != 0) RaiseBadFormat();
  NodeAs<CLineStatement>()->SetLine(ReadCompactInt());
}

void RequireNode(const void* node) {
  if (!node) RaiseBadFormat();
}

namespace {

enum JumpField : int32_t { kJumpValue = 0, kJumpTarget = 1 };
enum AssignField : int32_t { kAssignTarget = 0, kAssignExpression = 1 };

}  // namespace

void CJumpStmtStreamer::ReadFields(int32_t group, int32_t index) {
  if (group != GroupOf(ClassId::kJumpStmt)) return CLineStatementStreamer::ReadFields(group, index);
  auto* jump = NodeAs<CJumpStmt>();
  switch (index) {
    case kJumpValue:
      jump->SetValueExpr(ReadCountedRef<CValue>());
      break;
    case kJumpTarget:
      jump->SetTarget(ReadRecordRef<CBlock>());
      break;
    default:
      RaiseBadFormat();
  }
}

void CAssignStmtStreamer::ReadFields(int32_t group, int32_t index) {
  if (group != GroupOf(ClassId::kAssignStmt)) return CLineStatementStreamer::ReadFields(group, index);
  auto* assign = NodeAs<CAssignStmt>();
  switch (index) {
    case kAssignTarget:
      assign->target_ = ReadCountedRef<CValue>();
      break;
    case kAssignExpression:
      assign->expression_ = ReadCountedRef<CValue>();
      break;
    default:
      RaiseBadFormat();
  }
}

void CAssignStmtStreamer::Finish() {
  CLineStatementStreamer::Finish();
  RequireNode(NodeAs<CAssignStmt>()->target_);
  RequireNode(NodeAs<CAssignStmt>()->expression_);
}

void CExprStmtStreamer::ReadFields(int32_t group, int32_t index) {
  if (group != GroupOf(ClassId::kExprStmt)) return CLineStatementStreamer::ReadFields(group, index);
  if (index != 0) RaiseBadFormat();
  NodeAs<CExprStmt>()->expression_ = ReadCountedRef<CValue>();
}

void CExprStmtStreamer::Finish() {
  CLineStatementStreamer::Finish();
  RequireNode(NodeAs<CExprStmt>()->expression_);
}

void CPrintStmtStreamer::ReadFields(int32_t group, int32_t index) {
  if (group != GroupOf(ClassId::kPrintStmt)) return CExprStmtStreamer::ReadFields(group, index);
  if (index != 0) RaiseBadFormat();
  NodeAs<CPrintStmt>()->suffix_ = ReadText();
}

namespace {

bool IsVariable(CBase* item) {
  CNode* node = item->AsNode();
  CValue* value = node ? node->AsValue() : nullptr;
  return value && value->IsVariable();
}

// Items in list order; a trie's come in the order of its keys.
std::vector<CBase*> ItemsOf(const CTrieStreamer& table, CNamedList* list) {
  std::vector<CBase*> items;
  if (list) {
    for (int32_t i = 0; i < list->Count(); ++i) items.push_back(list->Get(i));
  } else {
    for (const CTrieStreamer::Entry& entry : table.Entries()) items.push_back(static_cast<CBase*>(entry.item));
  }
  for (CBase* item : items)
    if (item && !IsVariable(item)) RaiseBadFormat();
  return items;
}

}  // namespace

CNamedList* BlockNamesOf(const CStreamer& record) {
  auto* table = dynamic_cast<const CTrieStreamer*>(&record);
  if (!table) RaiseBadFormat();
  auto* list = dynamic_cast<CNamedList*>(table->Node());
  const std::vector<CBase*> items = ItemsOf(*table, list);
  auto* names = new CNamedList(true);
  for (CBase* item : items) {
    AddRefObject(item);
    names->Items().Put(item, -1);
  }
  // A named list's entries give positions already; a trie's follow its items.
  const std::vector<CTrieStreamer::Entry>& entries = table->Entries();
  try {
    for (std::size_t i = 0; i < entries.size(); ++i) {
      const auto position = list ? reinterpret_cast<intptr_t>(entries[i].item) : static_cast<intptr_t>(i + 1);
      names->FindOrInsert(entries[i].key, reinterpret_cast<void*>(position), true, false);
    }
  } catch (...) {
    names->Release();
    throw;
  }
  return names;
}

}  // namespace runtime
