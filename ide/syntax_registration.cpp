#include "ide/syntax_registration.h"

#include "editor/highlighter_list.h"
#include "ide/qel_syntax.h"
#include "ide/regex_syntax.h"

namespace ide {

void RegisterSyntaxHighlighters() {
  editor::RegisterHighlighterClass(&TQelSyntax::Create);
  editor::RegisterHighlighterClass(&TRegexSyntax::Create);
}

}  // namespace ide
