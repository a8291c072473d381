// "find": the files or folders matching a mask, as a new script object.
#include "../sys/sys_util.h"
#include "../tree/object_value.h"
#include "../tree/value_node.h"
#include "builtin_args.h"
#include "builtin_handlers.h"

namespace {

// Named by its path, an entry found twice keeps one member with the later size.
void AddFound(CObjectInstance* list, const Text& path, int64_t size, bool withSize) {
  auto* member = new CValue(list);
  if (withSize) {
    member->SetName(path);
    member->OwnValue().SetInt(int32_t(uint32_t(size)));
  } else {
    member->OwnValue().SetText(path);
  }
  list->Members()->Add(member);
}

}  // namespace

void DoFind(CContext&, CNode* receiver, CValueList* args, Value& result) {
  const bool subfolders = CValueList::GetBool(args, QT("sub"), false, 0);
  const bool withSize = CValueList::GetBool(args, QT("size"), false, 1);
  auto* list = new CObjectInstance(nullptr);
  result.SetCountedObject(list);
  list->Release();
  CSysUtil::FindFiles(
      ReceiverText(receiver), subfolders, [&](const Text& path, int64_t size) { AddFound(list, path, size, withSize); },
      withSize);
}
