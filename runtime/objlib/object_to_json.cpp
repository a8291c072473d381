#include "../json/json_writer.h"
#include "../tree/value_node.h"
#include "object_methods.h"

void DoToJson(CContext&, CNode* receiver, CValueList* args, Value& result) {
  TJsonOptions options;
  options.format = CValueList::GetInt(args, QT("format"), 0, 0);
  options.json = CValueList::GetBool(args, QT("json"), false, 1);
  options.gbk = CValueList::GetBool(args, QT("isGbk"), false, 2);
  result.SetText(CJsonWriter(options).Write(ReceiverObject(receiver)));
}
