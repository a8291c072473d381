// Key aliases: a process-wide table of word replacements, so that a script may
// be written with localised keywords. Loaded once before compiling and shared
// by every compile after. qel has no such table: it looks every word up as
// written.
#pragma once
#include <vector>

#include "runtime/text.h"

namespace runtime {

#ifdef QEL_ANSI

inline TextView KeyAlias(TextView word) { return word; }

#else

struct CKeyAlias {
  Text name;
  Text value;
};

// The pairs of a key-alias file's text, one a line. A line ends with CR LF,
// LF or CR, and the last one may have no line end; every "=" switches to the
// value part and is dropped.
std::vector<CKeyAlias> ReadKeyAliases(TextView fileText);
// Rebuilds the table from a file's text; a text without pairs leaves the table
// as it was. The pairs are sorted here, so a file need not list them in order;
// of two pairs with one name, the first listed wins.
void LoadKeyAliasText(TextView fileText);
// Reads the file (byte-order mark detection) and loads its text; an unreadable
// file raises the file-open failure.
void LoadKeyAliases(TextView fileName);
void ClearKeyAliases();
// The alias value of the word, or the word itself. The view lives until the
// table is next rebuilt.
TextView KeyAlias(TextView word);

#endif

}  // namespace runtime
