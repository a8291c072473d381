// Runs test code on a thread of its own with a stack of a chosen size, so
// that what happens near the end of a stack is seen quickly and alike on
// every build.
#pragma once
#include <cstddef>
#include <functional>

// Runs work on a new thread whose stack has the given size and waits for
// it; false when no such thread could be started. Exceptions must not leave
// work.
bool RunOnStack(std::size_t bytes, const std::function<void()>& work);
