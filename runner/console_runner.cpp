#include "console_runner.h"

#include "output.h"

CContext* CConsoleRunner::NewContext() { return new CConsoleRunner(); }

void CConsoleRunner::Print(TextView text) { PrintText(text); }
