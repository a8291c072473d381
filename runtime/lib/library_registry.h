// The libraries the runner's chain is built from, one slot per position in
// the chain. Libraries of features a build lacks are never registered and
// simply drop out of the chain.
#pragma once

class CLibrary;

enum class LibrarySlot {
  kCom,      // COM objects
  kBuiltin,  // built-ins on plain values
  kRegex,    // regex values
  kMatch,    // match values
  kObject,   // script objects
  kEvent,    // script functions
  kApi,      // native function objects
  kUi,       // the process-wide ui library
  kForm,     // the process-wide library of the main form
  kCount
};

// Returns a reference the chain takes over: a new library, or a process-wide
// one with an extra reference taken.
using LibraryFactory = CLibrary* (*)();

// A null factory empties the slot.
void RegisterLibrary(LibrarySlot slot, LibraryFactory factory);
LibraryFactory RegisteredLibrary(LibrarySlot slot);
