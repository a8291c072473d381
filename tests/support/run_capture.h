// Runs modules in-process as the runner does, with a recording context as the
// current context, and keeps what they printed and the error that stopped
// them.
#pragma once
#include <functional>
#include <string>

namespace runtime {
class CModule;
}  // namespace runtime

using namespace runtime;

struct RunCapture {
  // Both in UTF-8.
  std::string output;
  std::string error;
  bool stopped = false;

  // The output, then "error: " and the message when an error stopped the run.
  std::string Shown() const { return stopped ? output + "error: " + error : output; }
};

// Runs the module, which stays loaded.
RunCapture RunCapturing(CModule* module);
// Loads a module and runs it, then unloads it; an error raised while loading
// stops it as one raised while running does.
RunCapture LoadAndRunCapturing(const std::function<CModule*()>& load);
