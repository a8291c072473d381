// The list behind the editor's handler chains: one entry per addition, each
// with a serial number, so that a chain can fire over a snapshot and still
// tell whether an entry has been removed since the snapshot was taken.
#pragma once
#include <algorithm>
#include <cstdint>
#include <vector>

namespace editor {

template <class Handler>
class HandlerList {
 public:
  struct Entry {
    Handler method;
    std::uint64_t serial;
  };

  int Count() const { return static_cast<int>(entries_.size()); }
  const Handler& Items(int index) const { return entries_[static_cast<std::size_t>(index)].method; }
  void Add(const Handler& method) { entries_.push_back({method, ++lastSerial_}); }
  // Removes every entry equal to the method.
  void RemoveAll(const Handler& method) {
    entries_.erase(std::remove_if(entries_.begin(), entries_.end(),
                                  [&](const Entry& entry) { return entry.method == method; }),
                   entries_.end());
  }

  std::vector<Entry> Snapshot() const { return entries_; }
  // Serials grow with every addition, so the entries stay sorted by them.
  bool Holds(const Entry& entry) const {
    const auto found = std::lower_bound(entries_.begin(), entries_.end(), entry.serial,
                                        [](const Entry& e, std::uint64_t serial) { return e.serial < serial; });
    return found != entries_.end() && found->serial == entry.serial;
  }

 private:
  std::vector<Entry> entries_;
  std::uint64_t lastSerial_ = 0;
};

}  // namespace editor
