// Where the runner writes: the standard output of the console it attached
// to, or the log file that replaces it. Nothing is written while output is
// off. Texts go out in the system code page, lines end with CR LF.
#pragma once
#include "text.h"

// Output on, to standard output as it is.
void UseStandardOutput();
// Output on, to a file created anew; when it cannot be created, standard
// output stays in use.
void UseLogFile(TextView fileName);
// Output off; a log file is closed.
void CloseOutput();

void PrintLine(TextView text);
void PrintText(TextView text);
