// A native function object: one export bound to a signature by "GetApi".
// Calling it converts the arguments by the signature's letters, calls the
// export and leaves the converted result in its own value.
#pragma once
#include "platform/library.h"
#include "runtime/tree/value_node.h"

namespace runtime {
class CValueList;
}  // namespace runtime

namespace host {

using namespace runtime;

class CNativeFunction : public CValue {
public:
  // Takes over the library handle (0 when none was loaded).
  CNativeFunction(TextView signature, void* address, platform::LibraryHandle library);
  ~CNativeFunction() override;

  const Value& Call(CContext& context, CValueList* args) override;

  const Text& Signature() const { return signature_; }
  void* Address() const { return address_; }

private:
  Text signature_;
  void* address_;
  platform::LibraryHandle library_;
};

// The native function a value refers to, or null.
CNativeFunction* NativeFunctionOf(const Value& value);

// "GetApi" on a library file name (may be empty): "name" (arg 0) is the
// export's name, or an integer or digit text giving its address; "type"
// (arg 1) the signature. The result is a counted reference to the object.
void DoGetApi(CContext& context, CNode* receiver, CValueList* args, Value& result);

}  // namespace host
