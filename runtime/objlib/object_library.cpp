#include "object_library.h"

#include "../tree/value_node.h"
#include "object_methods.h"

CObjectLibrary::CObjectLibrary() {
  AddHandler(QT("@count"), &DoCount);
  AddHandler(QT("@length"), &DoCount);
  AddHandler(QT("@each"), &DoEach);
  AddHandler(QT("@add"), &DoAdd);
  AddHandler(QT("@clone"), &DoClone);
  AddHandler(QT("@toJson"), &DoToJson);
}

bool CObjectLibrary::Accepts(CNode* receiver) { return ReceiverObject(receiver) != nullptr; }
