// What the line buffer needs of tab expansion: a routine per tab width that
// turns a line into its expanded form and says whether it had tabs. Each TAB
// becomes as many TAB characters as the columns it covers (one blank below a
// width of 2), so the expanded length counts screen columns.
#pragma once
#include "toolkit/text.h"

namespace editor {

using TabExpansionRoutine = toolkit::String (*)(toolkit::StringView line, int tabWidth, bool& hasTabs);

TabExpansionRoutine TabExpansionFor(int tabWidth);

}  // namespace editor
