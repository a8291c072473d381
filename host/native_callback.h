// A script function that native code calls through a plain function pointer:
// "@toCallback" binds it (with "obj" as "this" and "thread" for a context of
// its own) and its thunk converts the native arguments by the signature.
#pragma once
#include <string>

#include "runtime/callback/callback_binding.h"
#include "host/signature.h"

namespace runtime {
class CValueList;
}  // namespace runtime

namespace host {

using namespace runtime;

class CThunk;

class CNativeCallback : public CCallbackBinding {
public:
  explicit CNativeCallback(TextView signature);
  ~CNativeCallback() override;

  const Text& Signature() const { return signature_; }
  // The address native code calls; made on first use, then kept.
  void* Thunk();
  // The thunk's way in: one word per argument letter, first argument first.
  // Never raises: a script error is kept for the script side and the native
  // caller gets 0.
  NativeWord Dispatch(const NativeWord* words) noexcept;

private:
  NativeWord Run(const NativeWord* words);

  Text signature_;
  CThunk* thunk_ = nullptr;
  // The result of the latest call with result letter "a"; replaced by the
  // next call, so the caller may read it until then.
  std::string ansiResult_;
};

// The native callback a value refers to, or null.
CNativeCallback* NativeCallbackOf(const Value& value);

// "@toCallback" on a script function: "obj" (arg 0), "type" (arg 1), "ptr"
// (arg 2: the thunk's address as an integer, and the callback lives for the
// rest of the process), "thread".
void DoToCallback(CContext& context, CNode* receiver, CValueList* args, Value& result);

}  // namespace host
