// Dynamic libraries and their exports; failures raise with the system's text.
#pragma once
#include "platform/library.h"
#include "text.h"

platform::LibraryHandle LoadLibraryChecked(TextView name);
// The export name, else name + "W"; when both are missing the library is freed.
void* GetProcAddressChecked(platform::LibraryHandle library, TextView name);
