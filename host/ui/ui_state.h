// What the "ui" library keeps for the process and for one run: the two
// process-wide objects of the chain (the library, and the form object whose
// form is the main form), the forms made in the current run, and their
// registration in the chain and under the name "ui".
#pragma once
#include "host/kit/form.h"

namespace host::ui {

class CFormLibrary;
class CUiLibrary;

// Registers both libraries in the chain, "ui" for "GetLib", and the reset
// between runs. Once at start-up; again does no harm.
void InitUiLibraries();

CUiLibrary& UiLibrary();
// Its form is the main form of the run, null before the first "form".
CFormLibrary& GlobalFormObject();

// The run holds the form until it ends: no form outlives its run.
void KeepRunForm(kit::TKitForm& form);

// Ends the run's forms without running their script events (the script may
// be gone), forgets the main form and starts the kit afresh.
void ResetUiState();

}  // namespace host::ui
