#include "runtime/image/reference_graph.h"

#include "runtime/image/streamer.h"

namespace runtime {

ReferenceGraph::ReferenceGraph(int32_t records, int64_t stepBudget)
    : records_(records), below_(records, 0), above_(records, 0), stepBudget_(stepBudget) {}

void ReferenceGraph::Add(int32_t holder, int32_t target, ReferenceKind kind) {
  Record& held = records_[target];
  ++held.references;
  if (kind == ReferenceKind::kPlain) return;
  if (Reaches(target, holder)) RaiseBadFormat();
  held.holders.push_back(holder);
  held.consumed = held.consumed || kind == ReferenceKind::kConsumed;
  records_[holder].held.push_back(target);
}

// Searches down from one end and up from the other in turn, so the cost is
// that of the smaller side: a shared leaf deep in a tree, or a big subtree
// held near the root, is cheap either way. Meeting the other side's marks
// closes a path.
bool ReferenceGraph::Reaches(int32_t from, int32_t to) {
  if (from == to) return true;
  if (records_[from].held.empty() || records_[to].holders.empty()) return false;
  ++generation_;
  std::vector<int32_t> down{from};
  std::vector<int32_t> up{to};
  below_[from] = generation_;
  above_[to] = generation_;
  while (!down.empty() && !up.empty()) {
    const Record& lower = records_[down.back()];
    down.pop_back();
    Spend(lower.held);
    for (int32_t next : lower.held) {
      if (above_[next] == generation_) return true;
      if (below_[next] == generation_) continue;
      below_[next] = generation_;
      down.push_back(next);
    }
    const Record& upper = records_[up.back()];
    up.pop_back();
    Spend(upper.holders);
    for (int32_t next : upper.holders) {
      if (below_[next] == generation_) return true;
      if (above_[next] == generation_) continue;
      above_[next] = generation_;
      up.push_back(next);
    }
  }
  return false;
}

void ReferenceGraph::Spend(const std::vector<int32_t>& edges) {
  stepBudget_ -= 1 + static_cast<int64_t>(edges.size());
  if (stepBudget_ < 0) RaiseBadFormat();
}

void ReferenceGraph::CheckComplete() const {
  for (std::size_t i = 1; i < records_.size(); ++i)
    if (records_[i].holders.empty()) RaiseBadFormat();
  for (const Record& r : records_)
    if (r.consumed && r.references != 1) RaiseBadFormat();
  if (HoldersFirst().size() != records_.size()) RaiseBadFormat();
}

std::vector<int32_t> ReferenceGraph::HoldersFirst() const {
  std::vector<int32_t> unreleased(records_.size());
  std::vector<int32_t> order;
  order.reserve(records_.size());
  for (std::size_t i = 0; i < records_.size(); ++i) {
    unreleased[i] = static_cast<int32_t>(records_[i].holders.size());
    if (unreleased[i] == 0) order.push_back(static_cast<int32_t>(i));
  }
  for (std::size_t next = 0; next < order.size(); ++next)
    for (int32_t target : records_[order[next]].held)
      if (--unreleased[target] == 0) order.push_back(target);
  return order;
}

}  // namespace runtime
