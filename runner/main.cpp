#include "platform/arguments.h"
#include "runner/script_run.h"

using namespace runtime;

int main(int argc, char** argv) { return RunnerMain(platform::CommandLineArguments(argc, argv)); }
