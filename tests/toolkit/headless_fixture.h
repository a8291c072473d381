// Every toolkit test runs on a fresh headless backend.
#pragma once
#include <gtest/gtest.h>

#include "toolkit/controls/application.h"
#include "toolkit/headless/headless_backend.h"

class HeadlessTest : public ::testing::Test {
 protected:
  void SetUp() override {
    backend = &toolkit::headless::Install();
    toolkit::Application& app = toolkit::TheApplication();
    app.CancelHint();
    app.SetShowHint(true);
    app.HintPause = 500;
    app.HintShortPause = 50;
    app.HintHidePause = 2500;
    app.OnShowHint = nullptr;
    app.OnHint = nullptr;
    app.SetHint(u"");
    app.SetHintWindowClass(nullptr);
  }

  toolkit::headless::HeadlessBackend* backend = nullptr;
};
