#include "builtin_library.h"

#include "../rxlib/regex_library.h"
#include "../tree/value_node.h"
#include "builtin_handlers.h"

CBuiltinLibrary::CBuiltinLibrary() {
  AddHandler(QT("@uthor"), &DoAuthor);
  AddHandler(QT("arg"), &DoArg);
  AddHandler(QT("set"), &DoSet);
  AddHandler(QT("exp"), &DoExp);
  AddHandler(QT("log"), &DoLog);
  AddHandler(QT("sin"), &DoSin);
  AddHandler(QT("cos"), &DoCos);
  AddHandler(QT("atan"), &DoAtan);
  AddHandler(QT("random"), &DoRandom);
  AddHandler(QT("length"), &DoLength);
  AddHandler(QT("lower"), &DoLower);
  AddHandler(QT("upper"), &DoUpper);
  AddHandler(QT("subpos"), &DoSubpos);
  AddHandler(QT("substr"), &DoSubstr);
  AddHandler(QT("x"), &DoX);
  AddHandler(QT("escape"), &DoEscape);
  AddHandler(QT("format"), &DoFormat);
  AddHandler(QT("eval"), &DoEval);
  AddHandler(QT("time"), &DoTime);
  AddHandler(QT("hash"), &DoHash);
  AddHandler(QT("load"), &DoLoad);
  AddHandler(QT("save"), &DoSave);
  AddHandler(QT("find"), &DoFind);
  AddHandler(QT("copy"), &DoCopy);
  AddHandler(QT("move"), &DoMove);
  AddHandler(QT("size"), &DoSize);
  AddHandler(QT("GetLib"), &DoGetLib);
  AddHandler(QT("GetApi"), &DoGetApi);
  AddHandler(QT("NewObj"), &DoNewObj);
  AddHandler(QT("toStr"), &DoToStr);
  AddHandler(QT("toNum"), &DoToNum);
  AddHandler(QT("toTime"), &DoToTime);
  AddHandler(QT("toByte"), &DoToByte);
  AddHandler(QT("fromByte"), &DoFromByte);
  AddHandler(QT("toChar"), &DoToChar);
  AddHandler(QT("toRegex"), &DoToRegex);
  AddHandler(QT("match"), &DoTextMatch);
  AddHandler(QT("replace"), &DoTextReplace);
  AddHandler(QT("compile"), &DoCompile);
  AddHandler(QT("GetJson"), &DoGetJson);
  AddHandler(QT("md5"), &DoMd5);
  AddHandler(QT("sha1"), &DoSha1);
}

bool CBuiltinLibrary::Accepts(CNode* receiver) {
  CValue* value = receiver ? receiver->AsValue() : nullptr;
  return value && !VariantObject(value->ValueRef());
}
