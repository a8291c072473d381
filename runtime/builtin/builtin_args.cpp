#include "runtime/builtin/builtin_args.h"

#include <string>

#include "runtime/error.h"
#include "runtime/tree/value_node.h"
#include "runtime/value/convert.h"
#include "runtime/value/text_access.h"

namespace runtime {

Text DecimalText(int64_t n) { return TextFromAscii(std::to_string(n)); }

const Value& ReceiverValue(CNode* receiver) { return receiver->AsValue()->ValueRef(); }

Text ReceiverText(CNode* receiver) { return ToText(ReceiverValue(receiver)); }

int32_t ReceiverInt(CNode* receiver) { return ToInt32(ReceiverValue(receiver)); }

double ReceiverDouble(CNode* receiver) { return ToDouble(ReceiverValue(receiver)); }

CValue* ArgAt(CValueList* args, int32_t position) {
  return position < CValueList::ArgCount(args) ? args->At(position) : nullptr;
}

const Value& ArgValueAt(CValueList* args, int32_t position) {
  CValue* arg = ArgAt(args, position);
  return arg ? arg->ValueRef() : DefaultValue();
}

}  // namespace runtime
