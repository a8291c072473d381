#include "address_value.h"

#include "../error.h"
#include "../value/convert.h"

void SetAddress(Value& value, const void* address) {
  const auto bits = reinterpret_cast<uintptr_t>(address);
  if constexpr (sizeof(uintptr_t) == sizeof(int32_t))
    value.SetInt(int32_t(bits));
  else
    value.SetInt64(int64_t(bits));
}

// In the 32-bit build an address may come back signed, as toNum gives it.
uintptr_t AddressFromValue(const Value& value) {
  const int64_t number = ToInt64(value);
  if constexpr (sizeof(uintptr_t) == sizeof(int32_t)) {
    if (number < INT32_MIN || number > int64_t(UINT32_MAX)) RaiseError(QT("Not an address"));
    return uintptr_t(uint32_t(number));
  }
  return uintptr_t(number);
}
