#include "runtime/base/base.h"

#include <new>
#include <vector>

namespace runtime {

namespace {

// Objects that a destructor on this thread releases wait here until the
// outermost destruction has finished, so freeing a deep chain of containers
// takes a loop instead of one stack frame per link. Last in, first out; the
// usual handful stays in place and only wide containers spill onto the heap.
struct PendingObjects {
  static constexpr int32_t kInPlace = 32;

  bool destroying;
  int32_t inPlace;
  CBase* slots[kInPlace];
  std::vector<CBase*>* spilled;

  void Push(CBase* object) {
    if (inPlace < kInPlace)
      slots[inPlace++] = object;
    else
      Spill(object);
  }

  CBase* Pop() {
    if (spilled && !spilled->empty()) {
      CBase* object = spilled->back();
      spilled->pop_back();
      return object;
    }
    return inPlace ? slots[--inPlace] : nullptr;
  }

  // Out of line, as is DestroyPushed, so that the common paths of Release
  // save no registers. Out of memory for the list, the object goes at once.
  [[gnu::noinline]] void Spill(CBase* object) {
    try {
      if (!spilled) spilled = new std::vector<CBase*>();
      spilled->push_back(object);
    } catch (const std::bad_alloc&) {
      delete object;
    }
  }

  void DestroyAll(CBase* object) {
    destroying = true;
    delete object;
    // Nothing spills before the slots in place are full.
    if (inPlace) DestroyPushed();
    destroying = false;
  }

  [[gnu::noinline]] void DestroyPushed() {
    while (CBase* object = Pop()) delete object;
    delete spilled;
    spilled = nullptr;
  }
};

// Trivial, so that it needs no construction and outlives static destructors.
thread_local PendingObjects tPending;

}  // namespace

int32_t CBase::Release() {
  int32_t count = --refCount_;
  if (count > 0) return count;
  PendingObjects& pending = tPending;
  if (pending.destroying)
    pending.Push(this);
  else
    pending.DestroyAll(this);
  return count;
}

void AddRefObject(CBase* object) {
  if (object) object->AddRef();
}

int32_t ReleaseObject(CBase* object) {
  return object ? object->Release() : 0;
}

}  // namespace runtime
