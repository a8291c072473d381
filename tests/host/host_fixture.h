// Runs short scripts in-process with the runtime's and the host bridge's
// libraries, and tells what they printed and the error that stopped them.
#pragma once
#include <gtest/gtest.h>

#include <string>

#include "runtime/compile/module_loader.h"
#include "runtime/error.h"
#include "host/error_relay.h"
#include "host/startup/host_init.h"
#include "runtime/lib/context.h"
#include "runtime/startup/runtime_init.h"
#include "support/recording_context.h"
#include "support/run_capture.h"
#include "support/test_compilers.h"
#include "support/text_util.h"
#include "runtime/tree/block.h"

using namespace runtime;

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
    return LoadAndRunCapturing([&] { return LoadModule(Widen(source), &NewRaisingCompiler, nullptr, {}); }).Shown();
  }
};
