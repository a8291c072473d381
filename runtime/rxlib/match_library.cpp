#include "match_library.h"

#include "match_methods.h"
#include "match_value.h"

CMatchLibrary::CMatchLibrary() {
  AddHandler(QT("match"), &DoNextMatch);
  AddHandler(QT("missed"), &DoMissed);
  AddHandler(QT("value"), &DoValue);
  AddHandler(QT("rest"), &DoRest);
  AddHandler(QT("gcount"), &DoGroupCount);
  AddHandler(QT("groups"), &DoGroups);
  AddHandler(QT("@@"), &DoValue);
  AddHandler(QT("@"), &DoGroups);
}

bool CMatchLibrary::Accepts(CNode* receiver) { return MatchValueOf(receiver) != nullptr; }
