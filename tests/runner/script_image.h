// Compiled images of test scripts, written with the test-side image writer.
#pragma once
#include <string>
#include <string_view>

// The image of the module compiled from the source; compile messages fail the test.
std::string ScriptImage(std::string_view source);
