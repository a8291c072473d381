#include "base.h"

int32_t CBase::Release() {
  int32_t count = --refCount_;
  if (count <= 0) delete this;
  return count;
}

void AddRefObject(CBase* object) {
  if (object) object->AddRef();
}

int32_t ReleaseObject(CBase* object) {
  return object ? object->Release() : 0;
}
