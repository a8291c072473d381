// Records of program-tree nodes, of the one-line statements, and block name
// tables.
#pragma once
#include <cstdint>

#include "runtime/base/list.h"
#include "runtime/image/streamer.h"
#include "runtime/tree/node.h"

namespace runtime {

// Records of program-tree nodes: the root of their streamers (id 11: name
// and owner) and line statements (id 87). Owners are plain references that
// lookups, jumps and the search for the enclosing function follow upwards,
// so an owner chain that loops is a bad format. Chains may be as deep as the
// tree: walking one is a loop, never a recursion.
//
// A node reader stores each counted reference in its node as soon as it is
// read, so that the node releases it when a later failure frees the tree;
// what the node needs in order to run is checked in Finish.
inline constexpr int32_t GroupOf(ClassId id) { return static_cast<int32_t>(id); }

class CNodeStreamer : public CStreamer {
public:
  void ReadFields(int32_t group, int32_t index) override;
  void Finish() override;

  // Owners above the node; computed once per record.
  int32_t OwnerDepth();

protected:
  // A reference that also gives the record number it names.
  template <class T>
  T* ReadRefAndRecord(ReferenceKind kind, int32_t& record) {
    return static_cast<T*>(ResolveNode(kind, &IsA<T>, record));
  }
  CNodeStreamer& NodeStreamerOf(int32_t record) const;

private:
  template <class T>
  static bool IsA(CBase* node) { return dynamic_cast<T*>(node) != nullptr; }
  CBase* ResolveNode(ReferenceKind kind, bool (*isClass)(CBase*), int32_t& record);

  int32_t ownerRecord_ = 0;
  static constexpr int32_t kDepthUnknown = -1;
  static constexpr int32_t kDepthOnWalk = -2;
  int32_t ownerDepth_ = kDepthUnknown;
};

class CLineStatementStreamer : public CNodeStreamer {
public:
  void ReadFields(int32_t group, int32_t index) override;
};

// Nodes that a record needs in order to run.
void RequireNode(const void* node);

// Records of the one-line statements: jumps (ids 14, 15, 42, 43, 45: value
// expression and target), assignments (16), expression statements (17) and
// print statements (18).
class CJumpStmtStreamer : public CLineStatementStreamer {
public:
  void ReadFields(int32_t group, int32_t index) override;
};

class CAssignStmtStreamer : public CLineStatementStreamer {
public:
  void ReadFields(int32_t group, int32_t index) override;
  void Finish() override;
};

class CExprStmtStreamer : public CLineStatementStreamer {
public:
  void ReadFields(int32_t group, int32_t index) override;
  void Finish() override;
};

class CPrintStmtStreamer : public CExprStmtStreamer {
public:
  void ReadFields(int32_t group, int32_t index) override;
};

// Block name tables as images hold them: any member of the trie family, a
// trie of variables (id 2) or a named list (id 3) or value list (id 24) of
// them, owning its items or not. A block finds its names in an owning named
// list, so the table read is rebuilt as one: same names, same items, in the
// record's order.

// The streamer of the table's record, after that record has finished; the
// caller owns the list returned. Any item that is not a variable is a bad
// format.
CNamedList* BlockNamesOf(const CStreamer& table);

}  // namespace runtime
