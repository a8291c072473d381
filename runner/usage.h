// The usage text: the banner and the command line the runner takes.
#pragma once

void ShowUsage();
