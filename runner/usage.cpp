#include "usage.h"

#include "output.h"

void ShowUsage() {
  PrintLine(QT(""));
  PrintLine(QT("Qel 8.0"));
  PrintLine(QT("Usage:"));
  PrintLine(QT("  qel.exe [-qel:]<file.qel or .qob/.qex> [-key:<key.ini>] [-log[:<log.txt>]] [-gui] [-v]"));
  PrintLine(QT(""));
}
