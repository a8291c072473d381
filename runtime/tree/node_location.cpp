#include "runtime/tree/node_location.h"

#include <string>

#include "runtime/lib/context.h"
#include "runtime/value/text_access.h"
#include "runtime/tree/function.h"

namespace runtime {

Text NodeLocation(const CContext& context) {
  CNode* saved = context.SavedNode();
  CFunction* function = EnclosingFunction(saved);
  while (function && function->Name().empty()) function = EnclosingFunction(function);
  if (!function) return {};
  Text location = function->Name();
  if (auto* statement = dynamic_cast<CLineStatement*>(saved)) {
    location += QT("/");
    location += TextFromAscii(std::to_string(statement->Line()));
  }
  return location;
}

}  // namespace runtime
