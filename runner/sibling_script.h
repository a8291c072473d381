// Compiled scripts kept beside the program file: its path with the extension
// ".qob", then ".qex", then, for a doubled extension (x.qex.exe), the path
// with the last extension dropped and the one before it changed to ".qex".
#pragma once
#include <vector>

#include "text.h"

std::vector<Text> SiblingScriptNames(TextView programPath);
// The first of them that exists; empty when none does.
Text FindSiblingScript(TextView programPath);
