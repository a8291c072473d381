// Ref<T>: one counted reference to a CBase object, given back when the Ref
// goes. Adopt takes over a reference the caller already holds (a new
// object's first one, or one handed over by a call that returns a new
// reference); Retain takes one of its own. Detach hands the reference to
// code that keeps raw pointers (lists, tries, values).
#pragma once
#include <cstddef>
#include <utility>

#include "runtime/base/base.h"

namespace runtime {

template <class T>
class Ref {
public:
  Ref() = default;
  Ref(std::nullptr_t) {}
  Ref(const Ref& other) : object_(other.object_) { AddRefObject(object_); }
  Ref(Ref&& other) noexcept : object_(std::exchange(other.object_, nullptr)) {}
  template <class U>
  Ref(Ref<U>&& other) noexcept : object_(other.Detach()) {}
  ~Ref() { ReleaseObject(object_); }

  // By value: assigning a Ref to itself, or one the old object owns, is safe.
  Ref& operator=(Ref other) noexcept {
    std::swap(object_, other.object_);
    return *this;
  }

  static Ref Adopt(T* object) {
    Ref made;
    made.object_ = object;
    return made;
  }
  static Ref Retain(T* object) {
    AddRefObject(object);
    return Adopt(object);
  }

  T* Get() const { return object_; }
  T* operator->() const { return object_; }
  T& operator*() const { return *object_; }
  // Raw pointers are borrowed from a Ref that stays; never from a temporary,
  // whose object may go with it.
  operator T*() const& { return object_; }
  operator T*() const&& = delete;

  // The caller takes over the reference; the Ref is empty after.
  [[nodiscard]] T* Detach() { return std::exchange(object_, nullptr); }
  // Gives the reference back now; the object may be destroyed.
  void Reset() { ReleaseObject(std::exchange(object_, nullptr)); }

private:
  T* object_ = nullptr;
};

template <class T>
Ref<T> Adopt(T* object) {
  return Ref<T>::Adopt(object);
}

template <class T>
Ref<T> Retain(T* object) {
  return Ref<T>::Retain(object);
}

template <class T, class... Args>
Ref<T> MakeRef(Args&&... args) {
  return Ref<T>::Adopt(new T(std::forward<Args>(args)...));
}

}  // namespace runtime
