// Root of every interpreter object: an atomic reference count.
#pragma once
#include <atomic>
#include <cstdint>

namespace runtime {

class CNode;

class CBase {
public:
  CBase() = default;
  CBase(const CBase&) = delete;
  CBase& operator=(const CBase&) = delete;
  virtual ~CBase() = default;

  int32_t AddRef() { return ++refCount_; }
  // Destroys the object once the count reaches 0 or below. Objects that a
  // destructor releases to 0 are destroyed after it has returned, before the
  // outermost Release returns, so nesting depth never costs stack.
  int32_t Release();
  int32_t RefCount() const { return refCount_; }

  // Truth of a value referring to the object: script objects and match values
  // are true when they have elements, functions always; other objects are false.
  virtual bool TruthValue() const { return false; }
  // Program-tree nodes answer themselves: values find the node they refer to
  // without a dynamic cast.
  virtual CNode* AsNode() { return nullptr; }

private:
  std::atomic<int32_t> refCount_{1};
};

void AddRefObject(CBase* object);
int32_t ReleaseObject(CBase* object);

}  // namespace runtime
