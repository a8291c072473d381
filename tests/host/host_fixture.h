// Runs short scripts in-process with the runtime's and the host bridge's
// libraries, and tells what they printed and the error that stopped them.
#pragma once
#include <gtest/gtest.h>

#include <string>

#include "../parse/text_util.h"
#include "../runtime/recording_context.h"
#include "compile/compiler.h"
#include "compile/module_loader.h"
#include "error.h"
#include "host/error_relay.h"
#include "host/host_init.h"
#include "lib/context.h"
#include "startup/runtime_init.h"
#include "tree/module.h"

class CQuietCompiler : public CCompiler {
public:
  void ReportError(TextView message) override { RaiseError(Text(message)); }
};

inline CCompiler* NewQuietCompiler() { return new CQuietCompiler(); }

class HostTest : public testing::Test {
protected:
  void SetUp() override {
    InitRuntimeLibraries();
    host::InitHostLibraries();
  }
  void TearDown() override { EXPECT_FALSE(host::ErrorRelay::Pending()) << "an error was left for later"; }

  // What the script printed, then the message of the error that stopped it
  // after "error: ".
  static std::string Run(const std::string& source) {
    auto* context = new RecordingContext();
    SetCurrentContext(context);
    std::string stopped;
    CModule* module = nullptr;
    try {
      module = LoadModule(Widen(source), &NewQuietCompiler, nullptr, {});
      module->Execute(*context);
    } catch (const EScriptError& error) {
      stopped = "error: " + Narrow(error.Message());
    }
    const std::string shown = Narrow(context->output) + stopped;
    if (module) UnloadModules(module);
    SetCurrentContext(nullptr);
    context->Release();
    return shown;
  }
};
