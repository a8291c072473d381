// "ui.dialog": the open and save dialogs, whose filter is the "open" or
// "save" text, and the folder dialog started at "path".
#pragma once
#include "runtime/lib/library_chain.h"

namespace host::ui {

using namespace runtime;

// open (0) or save (0) or path (0); file (1); multi (2; false; open only) or
// defext (2; save only). The chosen path, or "" when cancelled.
void DoDialog(CContext& context, CNode* receiver, CValueList* args, Value& result);

// The folder part of a file name: up to and including its last ":", "\" or
// "/"; empty when it has none.
Text FolderPart(TextView fileName);

}  // namespace host::ui
