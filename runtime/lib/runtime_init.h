// Registers the libraries of the runner's chain that the runtime provides
// and the reader of compiled images.
// Called once at start-up (by the runners and by tests), since a static
// library's registering objects would be dropped by the linker.
#pragma once

void InitRuntimeLibraries();
