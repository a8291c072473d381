// The editor's chains of extra keyboard and mouse handlers. Handlers run from
// the last added to the first, over a snapshot of the chain: one removed
// meanwhile is not called, one added waits for the next event. A chain that
// is already running ignores the event that reaches it again.
#pragma once
#include <cstdint>

#include "editor/positions.h"
#include "editor/handler_list.h"
#include "toolkit/core/method.h"
#include "toolkit/core/shortcut.h"

namespace editor {

template <class Signature>
class TMethodList {
 public:
  using Handler = toolkit::Method<Signature>;

  int Count() const { return entries_.Count(); }
  const Handler& Items(int index) const { return entries_.Items(index); }
  // Empty methods are not kept.
  void Add(const Handler& method) {
    if (method) entries_.Add(method);
  }
  // Removes every entry equal to the method.
  void Remove(const Handler& method) { entries_.RemoveAll(method); }

  // Visits the entries from the last added to the first until visit answers false.
  template <class Visit>
  void ForEachFromLast(Visit visit) {
    if (running_) return;
    running_ = true;
    try {
      const auto snapshot = entries_.Snapshot();
      for (auto it = snapshot.rbegin(); it != snapshot.rend(); ++it)
        if (entries_.Holds(*it) && !visit(it->method)) break;
    } catch (...) {
      running_ = false;
      throw;
    }
    running_ = false;
  }

 private:
  HandlerList<Handler> entries_;
  bool running_ = false;
};

using TKeyPressEvent = toolkit::Method<void(toolkit::Object* sender, toolkit::Char& key)>;
using TKeyEvent = toolkit::Method<void(toolkit::Object* sender, std::uint16_t& key, toolkit::ShiftState shift)>;
using TMouseEvent = toolkit::Method<void(toolkit::Object* sender, toolkit::MouseButton button,
                                         toolkit::ShiftState shift, int x, int y)>;
using TMouseCursorEvent =
    toolkit::Method<void(toolkit::Object* sender, const BufferPos& position, int& cursor)>;

class TCodeEditKbdHandler {
 public:
  TMethodList<void(toolkit::Object*, toolkit::Char&)> KeyPressChain;
  TMethodList<void(toolkit::Object*, std::uint16_t&, toolkit::ShiftState)> KeyDownChain;
  TMethodList<void(toolkit::Object*, std::uint16_t&, toolkit::ShiftState)> KeyUpChain;
  TMethodList<void(toolkit::Object*, toolkit::MouseButton, toolkit::ShiftState, int, int)> MouseDownChain;
  TMethodList<void(toolkit::Object*, toolkit::MouseButton, toolkit::ShiftState, int, int)> MouseUpChain;
  TMethodList<void(toolkit::Object*, const BufferPos&, int&)> MouseCursorChain;

  // The key chains stop once a handler has set the character or key to 0.
  void RunKeyPressChain(toolkit::Object* sender, toolkit::Char& key);
  void RunKeyDownChain(toolkit::Object* sender, std::uint16_t& key, toolkit::ShiftState shift);
  void RunKeyUpChain(toolkit::Object* sender, std::uint16_t& key, toolkit::ShiftState shift);
  void RunMouseDownChain(toolkit::Object* sender, toolkit::MouseButton button, toolkit::ShiftState shift, int x,
                         int y);
  void RunMouseUpChain(toolkit::Object* sender, toolkit::MouseButton button, toolkit::ShiftState shift, int x, int y);
  void RunMouseCursorChain(toolkit::Object* sender, const BufferPos& position, int& cursor);
};

}  // namespace editor
