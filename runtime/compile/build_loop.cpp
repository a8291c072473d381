// Loops: the node is registered, named by its loop word, and its body
// becomes the current block.
#include "../tree/loops.h"
#include "build_parts.h"
#include "build_routines.h"

namespace {

const Text& LoopWord(const TRule& r) { return r.TextOf(r.values.Length()); }

void Enter(const TRule& r, CLoopNode* loop, CBlock* body) { EnterCompound(r.builder, loop, body, LoopWord(r)); }

// The positions of the value, key and index names (0: none); the collection
// stands before the loop word.
void ForEach(const TRule& r, int value, int key, int index) {
  CValue* collection = r.TakeValue(r.values.Length() - 1);
  auto* loop = new CForEachNode(r.builder.Current());
  if (!PlaceStatement(r.builder, loop, {collection})) return;
  const TextView keyName = key ? TextView(r.TextOf(key)) : TextView();
  const TextView indexName = index ? TextView(r.TextOf(index)) : TextView();
  Enter(r, loop, loop->Init(r.TextOf(value), collection, indexName, keyName));
}

void ForTo(const TRule& r, CValue* step) {
  CValue* start = r.TakeValue(4);
  CValue* limit = r.TakeValue(6);
  auto* loop = new CForNode(r.builder.Current());
  if (!PlaceStatement(r.builder, loop, {start, limit, step})) return;
  Enter(r, loop, loop->Init(r.TextOf(2), start, limit, step));
}

}  // namespace

void BuildLoop(const TRule& r) {
  auto* loop = new CLoopNode(r.builder.Current());
  if (!PlaceStatement(r.builder, loop, {})) return;
  Enter(r, loop, loop->Init(nullptr));
}

void BuildWhile(const TRule& r) {
  CValue* condition = r.TakeValue(2);
  auto* loop = new CLoopNode(r.builder.Current());
  if (!PlaceStatement(r.builder, loop, {condition})) return;
  Enter(r, loop, loop->Init(condition));
}

void BuildForEach(const TRule& r) { ForEach(r, 2, 0, 0); }

void BuildForEachKey(const TRule& r) { ForEach(r, 4, 2, 0); }

void BuildForEachIndex(const TRule& r) { ForEach(r, 2, 0, 4); }

void BuildForEachKeyIndex(const TRule& r) { ForEach(r, 4, 2, 6); }

void BuildFor(const TRule& r) { ForTo(r, nullptr); }

void BuildForStep(const TRule& r) { ForTo(r, r.TakeValue(8)); }
