// Who holds whom among an image's records. The loader rebuilds reference
// counts from the references its readers make rather than trusting stored
// counts, and refuses shapes that would free a node twice or keep one alive
// forever: a cycle of counted references, a record nothing holds. Chains
// may be as deep as the records are many: every walk here is a loop, and
// trees are freed without recursion.
#pragma once
#include <cstdint>
#include <vector>

namespace runtime {

enum class ReferenceKind {
  kPlain,    // the holder never releases the target
  kCounted,  // the holder owns one reference and releases it
  // The holder takes the target's contents over when the records finish;
  // nothing else may refer to the target, which is then freed.
  kConsumed,
};

class ReferenceGraph {
public:
  // The cycle checks' total work is bounded by stepBudget, so that no image
  // makes loading quadratic.
  ReferenceGraph(int32_t records, int64_t stepBudget);

  // Records are 0-based here. A counted or consumed reference that would
  // close a cycle is a bad format.
  void Add(int32_t holder, int32_t target, ReferenceKind kind);
  // Every record but the first held, consumed ones referred to once;
  // else a bad format.
  void CheckComplete() const;
  // Holders before the records they hold, so that dropping the loader's own
  // references in this order frees nodes one at a time, without recursion.
  std::vector<int32_t> HoldersFirst() const;

private:
  struct Record {
    std::vector<int32_t> holders;
    std::vector<int32_t> held;
    int32_t references = 0;
    bool consumed = false;
  };

  bool Reaches(int32_t from, int32_t to);
  void Spend(const std::vector<int32_t>& edges);

  std::vector<Record> records_;
  // Marks of the current search, set to its generation.
  std::vector<uint32_t> below_;
  std::vector<uint32_t> above_;
  uint32_t generation_ = 0;
  int64_t stepBudget_;
};

}  // namespace runtime
