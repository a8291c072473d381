// The platform headers as toolkit code includes them: the character-width
// macros that would rename toolkit members (CreateWindow, SendMessage,
// TextOut, ...) are taken away; the code calls the W functions by name.
#pragma once
#include <windows.h>
#include <ole2.h>
#include <uxtheme.h>

#undef CreateWindow
#undef DrawText
#undef ExtTextOut
#undef GetObject
#undef PeekMessage
#undef PostMessage
#undef SendMessage
#undef SetWindowText
#undef TextOut
