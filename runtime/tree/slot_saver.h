// Puts value slots back after a call. Parameters bound by reference and class
// variables bound to an instance's members point elsewhere during a call;
// leaving the call must give every such variable the slot it had before,
// including a binding of an outer call of the same function.
#pragma once
#include <cstddef>

class CValue;

class CSlotSaver {
public:
  CSlotSaver();
  ~CSlotSaver() { Restore(); }
  CSlotSaver(const CSlotSaver&) = delete;
  CSlotSaver& operator=(const CSlotSaver&) = delete;

  void Save(CValue* node);
  // Restores the saved slots, latest first.
  void Restore();
  // Whether slots saved by enclosing savers wait to be restored. Every
  // binding saves the slots it redirects first, so with none waiting no
  // slot is redirected.
  bool BindingsActive() const { return mark_ > 0; }

private:
  size_t mark_;
};
