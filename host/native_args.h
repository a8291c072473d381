// The arguments of a native call as words, with the temporary copies they
// point at; the copies live as long as this object, so until the export has
// returned.
#pragma once
#include <list>
#include <string>
#include <vector>

#include "host/native_call.h"

namespace runtime {
class CValue;
class CValueList;
}  // namespace runtime

namespace host {

using namespace runtime;

class CNativeArgs {
public:
  CNativeArgs(TextView signature, CValueList* args);

  const std::vector<NativeWord>& Words() const { return words_; }

private:
  NativeWord Convert(ArgKind kind, CValue* node);
  NativeWord OwnStorage(CValue* node);

  std::vector<NativeWord> words_;
  // Lists: the addresses handed out must not move as copies are added.
  std::list<std::string> bytes_;
  std::list<std::u16string> systemStrings_;
  std::list<Value> values_;
};

}  // namespace host
