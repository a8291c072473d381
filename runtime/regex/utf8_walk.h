// Walking UTF-8 bytes by whole characters.
#pragma once
#include <cstddef>
#include <cstdint>
#include <string_view>

inline bool IsUtf8Continuation(char byte) { return (static_cast<unsigned char>(byte) & 0xC0) == 0x80; }

// The offset just after the character that begins at offset: its lead byte
// and up to three continuation bytes.
std::size_t Utf8CharEnd(std::string_view bytes, std::size_t offset);

// UTF-16 code units of the characters whose lead byte lies before offset;
// exact for valid UTF-8.
int32_t Utf16UnitsBefore(std::string_view bytes, std::size_t offset);
