// Puts the IDE's highlighters into the editor's list of highlighter classes.
#pragma once

namespace ide {

// Registers the language and the regular-expression highlighter; calling it
// again changes nothing.
void RegisterSyntaxHighlighters();

}  // namespace ide
