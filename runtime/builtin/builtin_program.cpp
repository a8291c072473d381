// "@uthor", "arg", "set" and the host bridge: "GetLib", "GetApi", "NewObj".
#include <array>

#include "../error.h"
#include "../lib/library_chain.h"
#include "../tree/value_list.h"
#include "../value/convert.h"
#include "builtin_args.h"
#include "builtin_handlers.h"
#include "script_settings.h"

namespace {

// The answer to the trigger text, kept out of plain sight in the program file.
constexpr std::array<unsigned char, 13> kScrambledAnswer{0x61, 0x4F, 0x4F, 0x5A, 0x0A, 0x43, 0x5E,
                                                         0x0A, 0x59, 0x47, 0x4B, 0x46, 0x46};
constexpr unsigned char kScrambleKey = 0x2A;

Text Unscrambled() {
  Text text;
  for (unsigned char c : kScrambledAnswer) text += Char(c ^ kScrambleKey);
  return text;
}

#ifdef _WIN32
constexpr bool kOnWindows = true;
#else
constexpr bool kOnWindows = false;
#endif

[[noreturn]] void RaiseMissingFeature(TextView nameAndFeature) {
  RaiseError(Text(nameAndFeature) + (kOnWindows ? QT(" are not available yet") : QT(" need Windows")));
}

}  // namespace

void DoAuthor(CContext&, CNode* receiver, CValueList*, Value& result) {
  result.SetText(ReceiverText(receiver) == QT("K vo") ? Unscrambled() : Text(QT("The Qel developers")));
}

void DoArg(CContext&, CNode* receiver, CValueList*, Value& result) {
  result.SetText(ProgramArgument(ReceiverInt(receiver)));
}

void DoSet(CContext&, CNode* receiver, CValueList* args, Value&) {
  if (SameName(ReceiverText(receiver), QT("defaultCodePage"))) SetDefaultCodePage(ToInt32(ArgValueAt(args, 0)));
}

// A plain reference: the ui library lives for the whole process.
void DoGetLib(CContext&, CNode* receiver, CValueList*, Value& result) {
  if (!SameName(ReceiverText(receiver), QT("ui"))) return;
  LibraryFactory ui = NamedLibrary(QT("ui"));
  if (!ui) return;
  CLibrary* library = ui();
  result.SetObject(library);
  library->Release();
}

void DoGetApi(CContext&, CNode*, CValueList*, Value&) { RaiseMissingFeature(QT("GetApi: native functions")); }

void DoNewObj(CContext&, CNode*, CValueList*, Value&) { RaiseMissingFeature(QT("NewObj: COM objects")); }
