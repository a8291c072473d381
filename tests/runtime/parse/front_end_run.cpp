#include "front_end_run.h"

#include "runtime/parse/key_alias.h"
#include "runtime/parse/literal_value.h"
#include "runtime/parse/operator_code.h"
#include "runtime/parse/scanner.h"
#include "runtime/parse/tokens.h"
#include "recording_actions.h"
#include "support/text_util.h"

using namespace runtime;

namespace {

void ReadLiteral(int token, const Text& text) {
  switch (token) {
    case TK_NUMBER:
      ReadNumberLiteral(text);
      ReadNumberLiteral(QT("-") + text);
      break;
    case TK_STRING: UnquoteString(text); break;
    case TK_DATE: UnquoteString(TextView(text).substr(1)); break;
    case TK_BIT_OP:
    case TK_BITNOT: OperatorCode(text, true); break;
    case TK_CMP_OP:
    case TK_MUL_OP:
    case TK_OR:
    case TK_NOT: OperatorCode(text, false); break;
    case TK_ASSIGN_OP: AssignmentCode(text); break;
  }
}

void ScanLiterals(const Text& text) {
  TScanner scanner;
  scanner.SetText(text);
  for (int token; (token = scanner.Scan()) != TK_END;) ReadLiteral(token, scanner.TokenText());
}

}  // namespace

void RunFrontEnd(std::string_view bytes) {
  const Text text = Widen(bytes);
#ifndef QEL_ANSI
  ReadKeyAliases(text);
#endif
  ScanLiterals(text);
  RecordingActions actions;
  actions.Parse(bytes);
}
