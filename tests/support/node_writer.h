// Writes a program tree as a compiled image, for the tests of the node
// records: every node reachable from the root gets a record with the fields
// its class stores, and the lists, name tables, variable stacks and
// recursion levels they hold get theirs. Written from the node classes'
// public view, independently of the readers.
//
// A variable that a later declaration of its name replaced is held only by
// its block's list of replaced names, which images do not store; when a
// reference is bound to one, the image holds it among the block's children,
// which run statements only.
#pragma once
#include <cstdint>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "support/image_writer.h"
#include "runtime/text.h"

using namespace runtime;

namespace runtime {
class CBase;
class CNode;
class CValue;
class Value;
}  // namespace runtime

// The member of the trie family that name tables are written as.
enum class NameTable { kTrie, kNamedList, kValueList };
struct NameTables {
  NameTable blockNames = NameTable::kValueList;
  NameTable localNames = NameTable::kNamedList;
  // Whether the inner list record of a value list says it owns its items;
  // a value list owns them either way.
  bool valueListInnerOwns = true;
};

class NodeImageWriter {
public:
  // Fields that readers make when they are absent, which a test may leave
  // out: variable stacks, the "@" of except blocks, and a function's
  // "result", "this" and "base" variables and local names.
  enum class Omit { kNone, kStacks, kTryMessage, kFunctionLocals };

  explicit NodeImageWriter(Omit omit = Omit::kNone, NameTables tables = {}) : omit_(omit), tables_(tables) {}

  // Record 1 is the root.
  ImageWriter Write(CNode* root);

private:
  using BodyMaker = std::function<RecordBody()>;

  // One pass over the tree; false when it found replaced variables that the
  // pass did not hold.
  bool WriteRecords(CNode* root);
  // The record of an object, made on first sight; 0 for null.
  int32_t Ref(CBase* object);
  // A record that is not an object of the tree (stacks, inner lists).
  int32_t Extra(int32_t classId, BodyMaker body);
  int32_t ClassOf(CBase* object) const;
  RecordBody BodyOf(CBase* object);
  RecordBody NodeBody(CNode* node);

  // Lists of the tree's records, built from their items.
  int32_t ListOf(bool ownsItems, const std::vector<CBase*>& items);
  // Keys name the item at the same position; an empty key names none.
  int32_t NamedListOf(int32_t classId, bool ownsItems, const std::vector<CBase*>& items,
                      const std::vector<Text>& keys);
  RecordBody NamedListBody(bool ownsItems, const std::vector<CBase*>& items, const std::vector<Text>& keys);
  // A name table of the chosen class; a named list owns its items as given,
  // a value list always, a trie holds the named ones counted.
  int32_t NameTableOf(NameTable table, bool ownsItems, const std::vector<CBase*>& items, const std::vector<Text>& keys);

  // Field writers, one per class level; each also writes its parents'.
  void NodeFields(CNode* node, RecordBody& body);
  void LineFields(CNode* node, RecordBody& body);
  void StatementFields(CNode* node, RecordBody& body);
  void BlockFields(CNode* node, RecordBody& body);
  void CompoundFields(CNode* node, RecordBody& body);
  void FunctionFields(CNode* node, RecordBody& body);
  void ControlFields(CNode* node, RecordBody& body);
  void ValueFields(CNode* node, RecordBody& body);
  void ExpressionFields(CNode* node, RecordBody& body);
  void StackVariableFields(CNode* node, RecordBody& body);
  void TypedValue(const Value& value, RecordBody& body);
  void NoteReplaced(CValue* variable);

  struct Pending {
    int32_t classId;
    BodyMaker body;
  };
  Omit omit_;
  NameTables tables_;
  std::map<CBase*, int32_t> numbers_;
  std::vector<Pending> records_;
  std::vector<RecordBody> bodies_;
  // Replaced variables by the block that declared them.
  std::map<CNode*, std::vector<CBase*>> replaced_;
  bool foundReplaced_ = false;
};

std::string NodeImage(CNode* root, NodeImageWriter::Omit omit = NodeImageWriter::Omit::kNone,
                      NameTables tables = {});
// The bytes of a text as compact texts hold them.
std::string Utf8Of(TextView text);
