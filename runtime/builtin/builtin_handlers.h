// The handlers of the built-in library, by family. Each gets the receiver
// node (its value holds no object reference) and the call's arguments, and
// writes its result into result (null on entry) or raises.
#pragma once
#include "../lib/library_chain.h"

// Program and host: builtin_program.cpp
void DoAuthor(CContext& context, CNode* receiver, CValueList* args, Value& result);
void DoArg(CContext& context, CNode* receiver, CValueList* args, Value& result);
void DoSet(CContext& context, CNode* receiver, CValueList* args, Value& result);
void DoGetLib(CContext& context, CNode* receiver, CValueList* args, Value& result);
void DoGetApi(CContext& context, CNode* receiver, CValueList* args, Value& result);
void DoNewObj(CContext& context, CNode* receiver, CValueList* args, Value& result);

// Numbers: builtin_numbers.cpp
void DoExp(CContext& context, CNode* receiver, CValueList* args, Value& result);
void DoLog(CContext& context, CNode* receiver, CValueList* args, Value& result);
void DoSin(CContext& context, CNode* receiver, CValueList* args, Value& result);
void DoCos(CContext& context, CNode* receiver, CValueList* args, Value& result);
void DoAtan(CContext& context, CNode* receiver, CValueList* args, Value& result);
void DoRandom(CContext& context, CNode* receiver, CValueList* args, Value& result);

// Text: builtin_text.cpp
void DoLength(CContext& context, CNode* receiver, CValueList* args, Value& result);
void DoLower(CContext& context, CNode* receiver, CValueList* args, Value& result);
void DoUpper(CContext& context, CNode* receiver, CValueList* args, Value& result);
void DoSubpos(CContext& context, CNode* receiver, CValueList* args, Value& result);
void DoSubstr(CContext& context, CNode* receiver, CValueList* args, Value& result);
void DoEscape(CContext& context, CNode* receiver, CValueList* args, Value& result);
void DoToByte(CContext& context, CNode* receiver, CValueList* args, Value& result);
void DoToChar(CContext& context, CNode* receiver, CValueList* args, Value& result);

// Repeating, reversing and sorting a text: builtin_repeat.cpp
void DoX(CContext& context, CNode* receiver, CValueList* args, Value& result);

// Formatting and conversions: builtin_conversions.cpp
void DoFormat(CContext& context, CNode* receiver, CValueList* args, Value& result);
void DoToStr(CContext& context, CNode* receiver, CValueList* args, Value& result);
void DoToTime(CContext& context, CNode* receiver, CValueList* args, Value& result);
void DoGetJson(CContext& context, CNode* receiver, CValueList* args, Value& result);

// Numbers from texts and text storage: builtin_to_num.cpp
void DoToNum(CContext& context, CNode* receiver, CValueList* args, Value& result);

// Writing into a text's storage: builtin_storage.cpp
void DoFromByte(CContext& context, CNode* receiver, CValueList* args, Value& result);
// The memory form of "move"; DoMove hands integer destinations to it.
void MoveInText(CNode* receiver, CValueList* args);

// Time: builtin_time.cpp
void DoTime(CContext& context, CNode* receiver, CValueList* args, Value& result);

// Files: builtin_files.cpp
void DoLoad(CContext& context, CNode* receiver, CValueList* args, Value& result);
void DoSave(CContext& context, CNode* receiver, CValueList* args, Value& result);
void DoHash(CContext& context, CNode* receiver, CValueList* args, Value& result);
void DoCopy(CContext& context, CNode* receiver, CValueList* args, Value& result);
void DoMove(CContext& context, CNode* receiver, CValueList* args, Value& result);
void DoSize(CContext& context, CNode* receiver, CValueList* args, Value& result);

// Listing files: builtin_find.cpp
void DoFind(CContext& context, CNode* receiver, CValueList* args, Value& result);

// Digests: builtin_digests.cpp
void DoMd5(CContext& context, CNode* receiver, CValueList* args, Value& result);
void DoSha1(CContext& context, CNode* receiver, CValueList* args, Value& result);

// Names in texts and compiled texts: builtin_eval.cpp, builtin_compile.cpp
void DoEval(CContext& context, CNode* receiver, CValueList* args, Value& result);
void DoCompile(CContext& context, CNode* receiver, CValueList* args, Value& result);

// "toRegex", "match" and "replace" come from rxlib/text_regex.h.
