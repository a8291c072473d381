// Scripts that make forms through "ui".GetLib(). Every test starts and ends
// with a fresh run, which destroys the forms the script left; a test that
// could hang arms the kit tests' watchdog.
#pragma once
#include <cstdlib>
#include <sstream>
#include <string>
#include <vector>

#include "host/host_fixture.h"
#include "host/kit/kit_fixture.h"

namespace ui_test {

using kit_test::kPatience;
using kit_test::Watchdog;

class UiTest : public HostTest {
protected:
  void SetUp() override {
    HostTest::SetUp();
    ResetRunState();
  }
  void TearDown() override {
    ResetRunState();
    HostTest::TearDown();
  }
};

// The user32 calls the scripts use; "i" passes an address whole.
inline const std::string kPrologue =
    "var ui = \"ui\".GetLib();\n"
    "var user32 = \"user32.dll\";\n"
    "var post = user32.GetApi(\"PostMessageW\", \"iiiii\");\n"
    "var send = user32.GetApi(\"SendMessageW\", \"iiiii\");\n"
    "var isWindow = user32.GetApi(\"IsWindow\", \"ii\");\n"
    "var isVisible = user32.GetApi(\"IsWindowVisible\", \"ii\");\n"
    "var exStyle = user32.GetApi(\"GetWindowLongW\", \"iii\");\n"
    "var setTimer = user32.GetApi(\"SetTimer\", \"iiicu\");\n"
    "var killTimer = user32.GetApi(\"KillTimer\", \"iii\");\n";

// The printed lines, without their CR LF.
inline std::vector<std::string> Lines(const std::string& output) {
  std::vector<std::string> lines;
  std::istringstream in(output);
  for (std::string line; std::getline(in, line);) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    lines.push_back(line);
  }
  return lines;
}

inline HWND WindowFromLine(const std::string& line) {
  return reinterpret_cast<HWND>(uintptr_t(std::strtoull(line.c_str(), nullptr, 10)));
}

}  // namespace ui_test
