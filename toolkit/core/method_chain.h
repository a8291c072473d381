// Ordered lists of handlers. A chain may change while it fires: a handler
// removed during dispatch is not called afterwards, one added is called in
// the same round only if it was added behind the running entry.
#pragma once
#include <cstddef>
#include <exception>
#include <vector>

#include "toolkit/core/method.h"

namespace toolkit {

// The list kept by handler chains: each method at most once.
template <class Signature>
class MethodList {
 public:
  using Entry = Method<Signature>;

  int Count() const { return static_cast<int>(entries_.size()); }
  const Entry& Items(int index) const { return entries_[static_cast<std::size_t>(index)]; }
  int IndexOf(const Entry& method) const {
    for (std::size_t i = 0; i < entries_.size(); ++i)
      if (entries_[i] == method) return static_cast<int>(i);
    return -1;
  }
  // asLast false puts the handler first.
  void Add(const Entry& method, bool asLast = true) {
    if (!method || IndexOf(method) >= 0) return;
    if (asLast) {
      entries_.push_back(method);
    } else {
      entries_.insert(entries_.begin(), method);
      if (iterating_) ++cursor_;
    }
  }
  void Remove(const Entry& method) {
    const int index = IndexOf(method);
    if (index < 0) return;
    entries_.erase(entries_.begin() + index);
    if (iterating_ && index <= cursor_) --cursor_;
  }
  void Clear() {
    entries_.clear();
    cursor_ = -1;
  }

  // Calls each handler in order, honouring changes made by the handlers.
  template <class... Args>
  void CallAll(Args&&... args) {
    ForEach([&](const Entry& entry) {
      entry(args...);
      return true;
    });
  }

  // Hands each entry to visit until it answers false.
  template <class Visit>
  void ForEach(Visit visit) {
    const int savedCursor = cursor_;
    const bool savedIterating = iterating_;
    iterating_ = true;
    for (cursor_ = 0; cursor_ < Count(); ++cursor_) {
      const Entry entry = entries_[static_cast<std::size_t>(cursor_)];
      if (!visit(entry)) break;
    }
    cursor_ = savedCursor;
    iterating_ = savedIterating;
  }

 private:
  std::vector<Entry> entries_;
  // The running entry while handlers are called; removals before it move it back.
  int cursor_ = -1;
  bool iterating_ = false;
};

// A handler chain with an exception hook: a handler that throws is reported
// to the hook, which says whether the remaining handlers still run. With no
// hook the exception propagates.
using ChainExceptionEvent = Method<void(Object* sender, const std::exception& error, bool& continueFiring)>;

class NotifyEventChain : public Object {
 public:
  explicit NotifyEventChain(Object* sender) : sender_(sender) {}

  void AddHandler(const NotifyEvent& handler) { handlers_.Add(handler); }
  void RemoveHandler(const NotifyEvent& handler) { handlers_.Remove(handler); }
  int Count() const { return handlers_.Count(); }
  Object* Sender() const { return sender_; }
  void SetSender(Object* sender) { sender_ = sender; }

  ChainExceptionEvent OnException;

  void FireAll();

 private:
  bool FireOne(const NotifyEvent& handler);

  Object* sender_;
  MethodList<void(Object*)> handlers_;
};

}  // namespace toolkit
