// Replacement templates, expanded for the engine's current match:
//   $$  \$  \\        a "$" or a backslash
//   $n  \n            group n; a second digit is taken too when that names
//                     a group below the result count ("$10" with one group
//                     is group 1 and "0")
//   ${n}  ${name}     a group by number or name
//   \g<name>          a named group
//   $& $_ $` $' $+    the match, the subject, the text before and after the
//                     match, the highest group set (\& \` \' \+ as with "$")
//   \Un \Ln \Fn \In   group n in capitals, in small letters, with a capital
//                     first letter, with capital word starts
// A group that is absent gives "". A ${name} that is no group's, or a "${"
// or "\g<" without its closing bracket, stays as written; a \g<name> that is
// no group's gives "". Anything else stays as written.
#pragma once
#include <string>
#include <string_view>

namespace runtime {

class CRegex;

std::string ExpandTemplate(CRegex& engine, std::string_view replacementTemplate);
// A template without "$" or a backslash stands for itself.
bool IsLiteralTemplate(std::string_view replacementTemplate);

}  // namespace runtime
