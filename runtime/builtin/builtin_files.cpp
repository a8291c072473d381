// Whole-file built-ins: "load", "save", "hash", "copy", "move", "size" and
// "find". Copy and move failures are not reported.
#include "runtime/sys/file_text.h"
#include "runtime/sys/sys_util.h"
#include "runtime/tree/object_value.h"
#include "runtime/tree/references.h"
#include "runtime/tree/value_node.h"
#include "runtime/value/convert.h"
#include "runtime/builtin/builtin_args.h"
#include "runtime/builtin/builtin_families.h"
#include "runtime/base/ref.h"

namespace runtime {

namespace {

// The 8-bit build reads files without detecting a code page.
#ifdef QEL_ANSI
constexpr bool kReportsCodePage = false;
#else
constexpr bool kReportsCodePage = true;
#endif

// Booleans are not addresses.
bool IsIntegerValue(const Value& value) {
  const VarType type = value.Type();
  return type == varSmallint || type == varInteger || (type >= varShortInt && type <= varUInt64);
}

void ReportCodePage(CValue* variable) {
  Value used;
  used.SetRaw(varWord, uint16_t(LastFileCodePage()));
  variable->SetValue(used);
}

void DoLoad(CContext&, CNode* receiver, CValueList* args, Value& result) {
  CValue* codePage = CValueList::GetArg(args, QT("cp"), 0);
  result.SetText(ReadFileText(ReceiverText(receiver), codePage ? ToInt32(codePage->ValueRef()) : 0));
  // A script's variable comes as its name, resolved by reading the value.
  if (CValue* variable = kReportsCodePage ? VariableOf(codePage) : nullptr) ReportCodePage(variable);
}

void DoSave(CContext&, CNode* receiver, CValueList* args, Value&) {
  WriteFileText(ReceiverText(receiver), ToText(ArgValueAt(args, 0)), CValueList::GetBool(args, QT("append"), false, 2),
                CValueList::GetInt(args, QT("cp"), 0, 1));
}

// Mode 0: MD5, above 0: SHA-1 of the bytes; below 0: the text as "load" reads it.
void DoHash(CContext&, CNode* receiver, CValueList* args, Value& result) {
  CValue* modeArg = ArgAt(args, 0);
  const int32_t mode = modeArg ? ToInt32(modeArg->ValueRef()) : 0;
  result.SetText(ReadFileText(ReceiverText(receiver), 0, mode < 0 ? kNoDigest : mode));
}

void DoCopy(CContext&, CNode* receiver, CValueList* args, Value&) {
  const Text source = ReceiverText(receiver);
  for (int32_t i = 0; i < CValueList::ArgCount(args); ++i) CSysUtil::CopyFile(source, ToText(args->ValueAt(i)), true);
}

// An integer destination is an address inside the receiver's text; anything
// else names the file's new place, and an empty or missing one deletes it.
void DoMove(CContext&, CNode* receiver, CValueList* args, Value&) {
  CValue* dest = CValueList::GetArg(args, QT("dest"), 0);
  if (dest && IsIntegerValue(dest->ValueRef())) return MoveInText(receiver, args);
  CSysUtil::MoveFile(ReceiverText(receiver), dest ? ToText(dest->ValueRef()) : Text());
}

void DoSize(CContext&, CNode* receiver, CValueList*, Value& result) {
  result.SetUInt32(uint32_t(CSysUtil::FileInfo(ReceiverText(receiver), 2)));
}

// "find": the files or folders matching a mask, as a new script object.

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

void DoFind(CContext&, CNode* receiver, CValueList* args, Value& result) {
  const bool subfolders = CValueList::GetBool(args, QT("sub"), false, 0);
  const bool withSize = CValueList::GetBool(args, QT("size"), false, 1);
  const Ref<CObjectInstance> list = MakeRef<CObjectInstance>(nullptr);
  result.SetCountedObject(list);
  CSysUtil::FindFiles(
      ReceiverText(receiver), subfolders, [&](const Text& path, int64_t size) { AddFound(list, path, size, withSize); },
      withSize);
}

}  // namespace

void AddFileBuiltins(CLibrary& library) {
  library.AddHandler(QT("hash"), &DoHash);
  library.AddHandler(QT("load"), &DoLoad);
  library.AddHandler(QT("save"), &DoSave);
  library.AddHandler(QT("find"), &DoFind);
  library.AddHandler(QT("copy"), &DoCopy);
  library.AddHandler(QT("move"), &DoMove);
  library.AddHandler(QT("size"), &DoSize);
}

}  // namespace runtime
