#include "runtime/image/base_streamers.h"

#include <algorithm>

#include "runtime/image/image_reader.h"
#include "runtime/image/streamer.h"

namespace runtime {

std::span<const BaseStreamer> BaseStreamers() {
  static const BaseStreamer streamers[] = {
      {kBaseClassId, {NewStreamer<CStreamer>, NewPlainNode<CBase>}},
      {kListClassId, {NewStreamer<CListStreamer>, NewListNode}},
      {kTrieClassId, {NewStreamer<CTrieStreamer>, NewPlainNode<CTrie>}},
      {kNamedListClassId, {NewStreamer<CNamedListStreamer>, NewNamedListNode}},
      {kVarLevelsClassId, {NewStreamer<CVarLevelsStreamer>, NewVarLevelsNode}},
  };
  return streamers;
}

bool ListOwnsItems(ByteCursor body) {
  ReadCompactInt(body);
  return ReadCompactInt(body) != 0;
}

CBase* NewListNode(CStreamer& record) { return new CList(ListOwnsItems(record.Body())); }

// An owning list releases its items, so it holds them counted.
void CListStreamer::Load() {
  auto* list = NodeAs<CList>();
  const int32_t count = ReadCount();
  if (count > CList::kMaxIndex || ReadBool() != list->OwnsItems()) RaiseBadFormat();
  for (int32_t i = 0; i < count; ++i)
    list->Put(list->OwnsItems() ? ReadCountedRef() : ReadRecordRef(), -1);
  CStreamer::Load();
}

CBase* NewNamedListNode(CStreamer& record) {
  ByteCursor body = record.Body();
  const int32_t inner = ReadCompactInt(body);
  if (inner == 0) return new CNamedList(false);
  const CImageReader::RecordView list = record.Reader().View(inner);
  if (list.classId != kListClassId) RaiseBadFormat();
  return new CNamedList(ListOwnsItems(list.body));
}

void CNamedListStreamer::Load() {
  ByteCursor body = Body();
  const int32_t innerRecord = runtime::ReadCompactInt(body);
  inner_ = ReadConsumedRef<CList>();
  if (inner_ && !inner_->OwnsItems() && NodeAs<CNamedList>()->Items().OwnsItems()) CountSharedItems(innerRecord);
  CTrieStreamer::Load();
}

void CNamedListStreamer::CountSharedItems(int32_t innerRecord) {
  ByteCursor list = Reader().View(innerRecord).body;
  const int32_t count = runtime::ReadCompactInt(list);
  runtime::ReadCompactInt(list);
  if (count < 0 || static_cast<std::size_t>(count) > list.Remaining()) RaiseBadFormat();
  for (int32_t i = 0; i < count; ++i)
    if (const int32_t item = runtime::ReadCompactInt(list))
      Reader().Resolve(Record(), item, ReferenceKind::kCounted, [](CBase*) { return true; });
  itemsShared_ = true;
}

void* CNamedListStreamer::ReadItem() {
  const int32_t position = ReadCompactInt();
  if (position < 1 || position > CList::kMaxIndex) RaiseBadFormat();
  lastPosition_ = std::max(lastPosition_, position);
  return reinterpret_cast<void*>(static_cast<intptr_t>(position));
}

// An owning inner list's references pass to the named list's own list as
// they are; emptying the record's list without releasing them leaves it to be
// freed. Items a sharing inner list held get the references counted for them.
void CNamedListStreamer::Finish() {
  CList& items = NodeAs<CNamedList>()->Items();
  if (inner_) {
    if ((inner_->OwnsItems() || itemsShared_) != items.OwnsItems() || items.Count() != 0) RaiseBadFormat();
    for (int32_t i = 0; i < inner_->Count(); ++i)
      if (inner_->Get(i) && !AcceptsItem(inner_->Get(i))) RaiseBadFormat();
    for (int32_t i = 0; i < inner_->Count(); ++i) {
      CBase* item = inner_->Get(i);
      if (item && itemsShared_) item->AddRef();
      items.Put(item, -1);
    }
    inner_->SetCapacity(0);
  }
  if (lastPosition_ > items.Count()) RaiseBadFormat();
}

namespace {

bool IsRawKey(TextView key) {
  for (Char c : key)
    if (CodeUnit(c) >= CTrieNode::kSymbols || CodeUnit(c) == CTrieNode::kValueSymbol) return false;
  return true;
}

}  // namespace

void CTrieStreamer::Load() {
  auto* trie = NodeAs<CTrie>();
  const int32_t count = ReadCount();
  for (int32_t i = 0; i < count; ++i) {
    const Text key = ReadText();
    if (!IsRawKey(key) || trie->FindOrInsert(key, nullptr, true, false)) RaiseBadFormat();
    void* item = ReadItem();
    trie->FindOrInsert(key, item, true, false);
    entries_.push_back({key, item});
  }
  CStreamer::Load();
}

void* CTrieStreamer::ReadItem() {
  CBase* item = ReadCountedRef();
  if (!item) RaiseBadFormat();
  return item;
}

namespace {

enum Field : int32_t { kDepth = 0, kStacks = 1, kBaseLevel = 2 };

int32_t CheckedLevel(int32_t level) {
  if (level < 0 || level > CVarLevelsStreamer::kMaxLevel) RaiseBadFormat();
  return level;
}

// Every field of this class and of group 0 is one compact integer, so the
// entries can be skipped without reading them.
int32_t PeekBaseLevel(ByteCursor body) {
  int32_t baseLevel = 1;
  while (!body.AtEnd()) {
    const int32_t group = ReadCompactInt(body);
    const int32_t index = ReadCompactInt(body);
    const int32_t value = ReadCompactInt(body);
    if (group == kVarLevelsClassId && index == kBaseLevel) baseLevel = value;
  }
  return CheckedLevel(baseLevel);
}

}  // namespace

CBase* NewVarLevelsNode(CStreamer& record) { return new CVarLevels(PeekBaseLevel(record.Body())); }

void CVarLevelsStreamer::ReadFields(int32_t group, int32_t index) {
  if (group != kVarLevelsClassId) return CStreamer::ReadFields(group, index);
  auto* levels = NodeAs<CVarLevels>();
  switch (index) {
    case kDepth:
      for (int32_t depth = CheckedLevel(ReadCompactInt()); levels->Depth() < depth;) levels->EnterLevel();
      break;
    case kStacks:
      stacks_ = ReadConsumedRef<CList>();
      break;
    case kBaseLevel:
      if (ReadCompactInt() != levels->BaseLevel()) RaiseBadFormat();
      break;
    default:
      RaiseBadFormat();
  }
}

void CVarLevelsStreamer::Finish() {
  if (stacks_ && stacks_->Count() != 0) RaiseBadFormat();
}

}  // namespace runtime
