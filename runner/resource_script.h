// A script stored as the resource "Diz" of type "Qel" in the runner's own
// program file (only the Windows build has resources).
#pragma once

class CModule;

// A compiled image when the bytes end with one, else source text with one
// character per byte; null without such a resource.
CModule* LoadResourceScript();
