#include "platform/arguments.h"
#include "runner_main.h"

int main(int argc, char** argv) { return RunnerMain(platform::CommandLineArguments(argc, argv)); }
