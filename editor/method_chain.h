// Chains of method pointers that the editor's option objects and
// highlighters fire. A method may be added more than once and is called once
// per entry. Firing walks a snapshot taken when it starts, so handlers may
// add and remove entries meanwhile: an entry added is first called by the
// next round, an entry removed is not called any more, and none is skipped
// or called twice.
#pragma once
#include <exception>

#include "editor/handler_list.h"
#include "toolkit/core/exceptions.h"
#include "toolkit/core/method.h"

namespace editor {

class ECodeMethodChain : public toolkit::Exception {
 public:
  using toolkit::Exception::Exception;
};

// Told about a handler's exception; leaving continueFiring true lets the
// remaining handlers run.
using TCodeChainExceptionEvent =
    toolkit::Method<void(toolkit::Object* chain, const std::exception& error, bool& continueFiring)>;

// Raises ECodeMethodChain for an empty method; operation is "Entry " or "Remove".
void CheckChainMethod(bool assigned, const toolkit::String& className, const toolkit::Char* operation);

template <class Signature>
class TCodeMethodChain : public toolkit::Object {
 public:
  using Handler = toolkit::Method<Signature>;

  TCodeMethodChain() = default;
  TCodeMethodChain(const TCodeMethodChain&) = delete;
  TCodeMethodChain& operator=(const TCodeMethodChain&) = delete;

  virtual toolkit::String ClassName() const { return u"TCodeMethodChain"; }

  void AddHandler(const Handler& method) {
    CheckChainMethod(static_cast<bool>(method), ClassName(), u"Entry ");
    entries_.Add(method);
  }

  // Removes every entry equal to the method.
  void RemoveHandler(const Handler& method) {
    CheckChainMethod(static_cast<bool>(method), ClassName(), u"Remove");
    entries_.RemoveAll(method);
  }

  int Count() const { return entries_.Count(); }

  TCodeChainExceptionEvent OnException;

  // Calls the entries in the order added.
  void FireAll() {
    for (const auto& entry : entries_.Snapshot()) {
      if (!entries_.Holds(entry)) continue;
      try {
        FireEntry(entry.method);
      } catch (const std::exception& error) {
        if (!HandleException(error)) return;
      }
    }
  }

 protected:
  virtual void FireEntry(const Handler& method) = 0;

  // Called inside the handler's catch: without a hook the exception goes on.
  virtual bool HandleException(const std::exception& error) {
    if (!OnException) throw;
    bool continueFiring = true;
    OnException(this, error, continueFiring);
    return continueFiring;
  }

 private:
  HandlerList<Handler> entries_;
};

// The chain of notify events, each called with the chain's sender.
class TCodeNotifyEventChain : public TCodeMethodChain<void(toolkit::Object*)> {
 public:
  explicit TCodeNotifyEventChain(toolkit::Object* sender) : sender_(sender) {}

  toolkit::String ClassName() const override { return u"TCodeNotifyEventChain"; }
  toolkit::Object* Sender() const { return sender_; }
  void SetSender(toolkit::Object* sender) { sender_ = sender; }

 protected:
  void FireEntry(const Handler& method) override { method(sender_); }

 private:
  toolkit::Object* sender_;
};

}  // namespace editor
