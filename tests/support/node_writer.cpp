#include "support/node_writer.h"

#include <gtest/gtest.h>

#include "runtime/base/list.h"
#include "runtime/image/base_streamers.h"
#include "platform/codepage.h"
#include "runtime/sys/sys_util.h"
#include "runtime/tree/node.h"
#include "runtime/tree/value_node.h"
#include "runtime/value/convert.h"
#include "runtime/value/text_access.h"
#include "runtime/value/var_stack.h"

using namespace runtime;

std::string Utf8Of(TextView text) { return EncodeAnsi(Utf16FromText(text), platform::kCodePageUtf8); }

std::string NodeImage(CNode* root, NodeImageWriter::Omit omit, NameTables tables) {
  return NodeImageWriter(omit, tables).Write(root).Build();
}

ImageWriter NodeImageWriter::Write(CNode* root) {
  while (!WriteRecords(root)) {
  }
  ImageWriter writer;
  for (std::size_t i = 0; i < records_.size(); ++i) writer.Add(records_[i].classId, bodies_[i]);
  return writer;
}

// Bodies are made in record order; making one may add records for the
// objects it refers to, which come later.
bool NodeImageWriter::WriteRecords(CNode* root) {
  numbers_.clear();
  records_.clear();
  bodies_.clear();
  foundReplaced_ = false;
  Ref(root);
  for (std::size_t i = 0; i < records_.size(); ++i) {
    const BodyMaker make = records_[i].body;
    bodies_.push_back(make());
  }
  return !foundReplaced_;
}

int32_t NodeImageWriter::Ref(CBase* object) {
  if (!object) return 0;
  if (auto found = numbers_.find(object); found != numbers_.end()) return found->second;
  const int32_t number = Extra(ClassOf(object), [this, object] { return BodyOf(object); });
  numbers_.emplace(object, number);
  return number;
}

int32_t NodeImageWriter::Extra(int32_t classId, BodyMaker body) {
  records_.push_back({classId, std::move(body)});
  return static_cast<int32_t>(records_.size());
}

int32_t NodeImageWriter::ClassOf(CBase* object) const {
  if (CNode* node = object->AsNode()) {
    EXPECT_NE(node->Id(), ClassId::kNone) << "a node of a class that images do not hold";
    return static_cast<int32_t>(node->Id());
  }
  if (dynamic_cast<CValueList*>(object)) return static_cast<int32_t>(ClassId::kValueList);
  if (dynamic_cast<CVarLevels*>(object)) return kVarLevelsClassId;
  ADD_FAILURE() << "an object the writer does not know";
  return kBaseClassId;
}

RecordBody NodeImageWriter::BodyOf(CBase* object) {
  if (CNode* node = object->AsNode()) return NodeBody(node);
  if (auto* list = dynamic_cast<CValueList*>(object)) {
    std::vector<CBase*> items;
    std::vector<Text> keys;
    for (int32_t i = 0; i < list->Count(); ++i) {
      CValue* item = list->At(i);
      items.push_back(item);
      const bool named = item && !item->Name().empty() && list->IndexOfName(item->Name()) == i;
      keys.push_back(named ? item->Name() : Text());
    }
    return NamedListBody(tables_.valueListInnerOwns, items, keys);
  }
  auto* levels = dynamic_cast<CVarLevels*>(object);
  return levels ? VarLevelsBody(levels->Depth(), 0, levels->BaseLevel()) : RecordBody();
}

int32_t NodeImageWriter::ListOf(bool ownsItems, const std::vector<CBase*>& items) {
  std::vector<int32_t> records;
  for (CBase* item : items) records.push_back(Ref(item));
  return Extra(kListClassId, [ownsItems, records] { return ListBody(ownsItems, records); });
}

int32_t NodeImageWriter::NamedListOf(int32_t classId, bool ownsItems, const std::vector<CBase*>& items,
                                     const std::vector<Text>& keys) {
  return Extra(classId, [this, ownsItems, items, keys] { return NamedListBody(ownsItems, items, keys); });
}

int32_t NodeImageWriter::NameTableOf(NameTable table, bool ownsItems, const std::vector<CBase*>& items,
                                     const std::vector<Text>& keys) {
  switch (table) {
    case NameTable::kTrie:
      return Extra(kTrieClassId, [this, items, keys] {
        KeyedItems entries;
        for (std::size_t i = 0; i < items.size(); ++i)
          if (items[i] && !keys[i].empty()) entries.emplace_back(SymbolKey(Utf16FromText(keys[i])), Ref(items[i]));
        return TrieBody(entries);
      });
    case NameTable::kNamedList:
      return NamedListOf(kNamedListClassId, ownsItems, items, keys);
    case NameTable::kValueList:
      break;
  }
  return NamedListOf(static_cast<int32_t>(ClassId::kValueList), tables_.valueListInnerOwns, items, keys);
}

RecordBody NodeImageWriter::NamedListBody(bool ownsItems, const std::vector<CBase*>& items,
                                          const std::vector<Text>& keys) {
  KeyedItems positions;
  for (std::size_t i = 0; i < keys.size(); ++i)
    if (!keys[i].empty()) positions.emplace_back(SymbolKey(Utf16FromText(keys[i])), static_cast<int32_t>(i + 1));
  return ::NamedListBody(ListOf(ownsItems, items), positions);
}

void NodeImageWriter::TypedValue(const Value& value, RecordBody& body) {
  switch (value.Type()) {
    case varInteger:
      body.IntValue(value.AsInt32Raw());
      break;
    case varBoolean:
      body.BoolValue(value.AsBoolRaw() != 0);
      break;
    case varByte:
      body.ByteValue(value.AsUInt8Raw());
      break;
    case varOleStr:
    case varString:
    case varUString:
      body.TextValue(Utf8Of(ToText(value)));
      break;
    case varObject:
    case varCountedObject:
      body.ObjectValue(value.Type(), Ref(value.AsObject()));
      break;
    default:
      EXPECT_TRUE(value.Type() < varOleStr || value.Type() == varError ||
                  (value.Type() >= varShortInt && value.Type() <= varUInt64))
          << "a value type images do not hold: " << value.Type();
      body.RawValue(value.Type(), value.Bits());
  }
}
