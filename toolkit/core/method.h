// Method pointers: an object and one of its member functions, the shape of
// every event the controls fire. Two are equal when they name the same object
// and the same member; a default one is empty and calls nothing.
#pragma once
#include <cstring>
#include <utility>

namespace toolkit {

template <class Signature>
class Method;

template <class R, class... Args>
class Method<R(Args...)> {
 public:
  Method() = default;
  Method(std::nullptr_t) {}

  template <class C>
  Method(C* object, R (C::*member)(Args...)) : object_(object), call_(&Call<C>) {
    static_assert(sizeof(member) <= sizeof(code_), "member pointer too wide");
    std::memcpy(code_, &member, sizeof(member));
  }

  explicit operator bool() const { return call_ != nullptr; }
  // The object half, for code that must know whom a handler belongs to.
  void* Data() const { return object_; }

  // Calling an empty method gives the default result.
  R operator()(Args... args) const {
    if (!call_) return R();
    return call_(object_, code_, std::forward<Args>(args)...);
  }

  friend bool operator==(const Method& a, const Method& b) {
    return a.object_ == b.object_ && a.call_ == b.call_ && std::memcmp(a.code_, b.code_, sizeof(a.code_)) == 0;
  }

 private:
  using Code = unsigned char[2 * sizeof(void*)];

  template <class C>
  static R Call(void* object, const Code& code, Args... args) {
    R (C::*member)(Args...);
    std::memcpy(&member, code, sizeof(member));
    return (static_cast<C*>(object)->*member)(std::forward<Args>(args)...);
  }

  void* object_ = nullptr;
  R (*call_)(void*, const Code&, Args...) = nullptr;
  alignas(void*) Code code_{};
};

class Object;
using NotifyEvent = Method<void(Object* sender)>;

// The common root of toolkit classes, so a sender has one static type.
class Object {
 public:
  virtual ~Object() = default;
};

}  // namespace toolkit
