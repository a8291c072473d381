// Memory in script values. The bytes of a text value's own buffer, for the
// built-ins that read or write a text's storage ("toNum" with a pointer mode,
// "fromByte", "move"): OLE and UTF-16 texts hold two bytes per code unit,
// 8-bit texts one. Addresses: a 32-bit integer in the 32-bit build, a 64-bit
// one on x86-64, so that no address is ever cut short.
#pragma once
#include <cstddef>
#include <cstdint>
#include <span>

#include "runtime/value/value.h"

namespace runtime {

// Empty for a text without a buffer.
std::span<const unsigned char> TextBytes(const Value& text);
// Gives the text a buffer of its own first (a copy when others share it), so
// that writing changes no other value.
std::span<unsigned char> OwnTextBytes(Value& text);
// Code units of the text's buffer.
size_t TextUnitSize(const Value& text);

void SetAddress(Value& value, const void* address);
// The address an integer stands for; raises when it cannot be one.
uintptr_t AddressFromValue(const Value& value);

}  // namespace runtime
