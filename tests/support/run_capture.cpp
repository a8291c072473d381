#include "support/run_capture.h"

#include "runtime/compile/module_loader.h"
#include "runtime/error.h"
#include "runtime/lib/context.h"
#include "support/recording_context.h"
#include "support/text_util.h"
#include "runtime/tree/block.h"

using namespace runtime;

namespace {

RunCapture Capture(const std::function<CModule*()>& load, bool unload) {
  auto* context = new RecordingContext();
  SetCurrentContext(context);
  RunCapture capture;
  CModule* module = nullptr;
  try {
    module = load();
    module->Execute(*context);
  } catch (const EScriptError& error) {
    capture.stopped = true;
    capture.error = Narrow(error.Message());
  }
  capture.output = Narrow(context->output);
  if (unload && module) UnloadModules(module);
  SetCurrentContext(nullptr);
  context->Release();
  return capture;
}

}  // namespace

RunCapture RunCapturing(CModule* module) {
  return Capture([module] { return module; }, false);
}

RunCapture LoadAndRunCapturing(const std::function<CModule*()>& load) { return Capture(load, true); }
