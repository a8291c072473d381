// Key aliases: qelu loads the file that the "key" option names before the
// script compiles; qel has no key-alias table and reads no such option.
#pragma once

class CRunnerOptions;

// An unreadable file raises.
void LoadKeyOption(const CRunnerOptions& options);
