#include "scan_util.h"

#include "runtime/parse/grammar_tables.h"
#include "runtime/parse/scanner.h"
#include "runtime/parse/tokens.h"
#include "support/text_util.h"

using namespace runtime;

std::string ScanAll(std::string_view utf8) {
  TScanner scanner;
  scanner.SetText(Widen(utf8));
  std::string tokens;
  for (int token; (token = scanner.Scan()) != TK_END;) {
    if (!tokens.empty()) tokens += ' ';
    if (token > 255) tokens += grammar::SymbolName(grammar::TokenSymbol(token)) + std::string(":");
    tokens += Narrow(scanner.TokenText());
  }
  return tokens;
}
