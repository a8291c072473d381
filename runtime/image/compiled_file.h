// Loading compiled images: from a file (the image at its end, whatever
// precedes it), from a text holding one byte per character, or from bytes.
// Every malformed image raises "Bad file format!".
#pragma once
#include <string>

#include "base/base.h"
#include "text.h"

// The root node with one reference for the caller. With fromMemory the
// source is the image itself, each character one byte.
CBase* LoadCompiledFile(TextView source, bool fromMemory);
CBase* LoadCompiledImage(std::string bytes);
