// The runtime's text as the platform layer takes it: UTF-16 names and messages,
// bytes in the system code page for export names.
#pragma once
#include <string>
#include <string_view>

#include "text.h"

std::u16string Utf16FromText(TextView text);
Text TextFromUtf16(std::u16string_view text);
std::string SystemBytesFromText(TextView text);
