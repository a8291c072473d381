// Records of program-tree nodes: the root of their streamers (id 11: name
// and owner) and line statements (id 87). Owners are plain references that
// lookups, jumps and the search for the enclosing function follow upwards,
// so an owner chain that loops is a bad format. Chains may be as deep as the
// tree: walking one is a loop, never a recursion.
//
// A node reader stores each counted reference in its node as soon as it is
// read, so that the node releases it when a later failure frees the tree;
// what the node needs in order to run is checked in Finish.
#pragma once
#include <cstdint>

#include "image/streamer.h"
#include "tree/node.h"

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
