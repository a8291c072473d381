#include "editor/method_chain.h"

namespace editor {

void CheckChainMethod(bool assigned, const toolkit::String& className, const toolkit::Char* operation) {
  if (assigned) return;
  toolkit::String message = className;
  message += u'.';
  message += operation;
  message += u": the parameter `AEvent' must be specified.";
  throw ECodeMethodChain(message);
}

}  // namespace editor
