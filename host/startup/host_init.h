// Puts the host bridge into the runner's library chain: "GetApi" among the
// built-ins, "@toCallback" on script functions and the library of native
// function objects; on Windows also COM ("NewObj", "@toEvent" and the COM
// library first in the chain) and the "ui" library with the form object
// last, initialising COM for the main thread; natively "GetLib" on "ui"
// says it needs Windows. Called once at start-up, after InitRuntimeLibraries.
#pragma once

namespace host {

void InitHostLibraries();

}  // namespace host
