// Hosted controls with real windows under Wine: a fake control registered
// for a test class, on a hidden kit form.
#pragma once
#include <gtest/gtest.h>

#include <memory>

#include "fake_control.h"
#include "host/activex/control_site.h"
#include "host/activex/ole_control.h"
#include "host/kit/kit_fixture.h"

namespace activex_test {

using namespace runtime;

using namespace host::activex;
using kit_test::Held;

// {6A0F3B1E-2C4D-4E5F-8A9B-0C1D2E3F4A5B}
constexpr CLSID kFakeClass = {0x6A0F3B1E, 0x2C4D, 0x4E5F, {0x8A, 0x9B, 0x0C, 0x1D, 0x2E, 0x3F, 0x4A, 0x5B}};
// {6A0F3B1E-2C4D-4E5F-8A9B-0C1D2E3F4A5C}
constexpr IID kFakeEvents = {0x6A0F3B1E, 0x2C4D, 0x4E5F, {0x8A, 0x9B, 0x0C, 0x1D, 0x2E, 0x3F, 0x4A, 0x5C}};

class ActiveXTest : public kit_test::KitTest {
protected:
  void SetUp() override {
    KitTest::SetUp();
    ASSERT_TRUE(SUCCEEDED(::OleInitialize(nullptr)));
    fake = std::make_unique<CFakeControl>();
  }
  void TearDown() override {
    KitTest::TearDown();
    fake.reset();
    ::OleUninitialize();
  }

  std::unique_ptr<CFakeControl> fake;
};

}  // namespace activex_test
