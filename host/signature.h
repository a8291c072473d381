// The letters of a native signature. A native call converts argument i by
// letter i and its result by the last letter; a callback reads one argument
// for each of its first (length - 2) letters, skips the next one and takes
// its result letter last.
//
// A native word is 32 bits in the 32-bit build and 64 bits on x86-64. The
// integer letters "i", "l" and "n" stand for 32-bit values (as arguments on
// x86-64: widened with their sign, while a 64-bit integer, the form
// addresses travel in, goes whole); address letters and every other letter
// of a result or of a callback argument stand for the whole word, so that
// addresses survive on x86-64.
#pragma once
#include <cstdint>

#include "runtime/text.h"
#include "runtime/value/value.h"

namespace host {

using namespace runtime;

using NativeWord = uintptr_t;

// How an argument of a native call becomes a word.
enum class ArgKind {
  kZero,        // no letter for it: 0
  kInteger,     // "i", "l", "n": an integer
  kAnsiCopy,    // "a": a zero-terminated copy in the system code page
  kWideCopy,    // "w", "s": the characters of a system-string copy
  kLowBytes,    // "r": the low byte of each UTF-16 unit, zero-terminated
  kOwnStorage,  // "p": the text's own characters, or the value's payload
  kCallback,    // "c": a native callback's thunk
};

ArgKind ArgKindOf(Char letter);
// Letters past the end of the signature are kind 0.
inline ArgKind ArgKindAt(TextView signature, size_t index) {
  return index < signature.size() ? ArgKindOf(signature[index]) : ArgKind::kZero;
}

// "i", "l" and "n": 32-bit values in results and callback arguments.
bool IsInt32Letter(Char letter);

// Raise when a signature is too short to say what the data model needs.
void CheckCallSignature(TextView signature);
void CheckCallbackSignature(TextView signature);

inline size_t CallbackArgCount(TextView signature) { return signature.size() - 2; }
// The letter a callback does not read for its arguments: "c" makes it a C
// function whose caller removes the arguments (the 32-bit build's thunk
// then returns without removing them).
inline bool IsCdeclCallback(TextView signature) { return signature[signature.size() - 2] == 'c'; }

// The script value of a native call's result word.
void SetCallResult(Char letter, NativeWord word, Value& result);
// The script value of a callback's argument word.
void SetCallbackArg(Char letter, NativeWord word, Value& arg);
// The word a callback returns for its script result (letters other than "a").
NativeWord CallbackResultWord(const Value& result);

}  // namespace host
