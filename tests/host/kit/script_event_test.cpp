// Script functions as form events, the way a form object hands them to the
// kit: a native callback address called with nothing, its low byte the
// accept flag. The script makes the callback and sends WM_CLOSE itself.
#include "host/host_fixture.h"
#include "host/kit/kit.h"

using namespace runtime;

namespace {

using namespace host::kit;

class KitScriptEvents : public HostTest {
protected:
  void SetUp() override {
    HostTest::SetUp();
    ResetKitState();
  }
  void TearDown() override {
    ResetKitState();
    HostTest::TearDown();
  }
};

// The script stores its callback's address in the window's property.
void CallScriptOnClose(void*, TKitControl& form, bool& accept) {
  auto* code = reinterpret_cast<int(WINAPI*)()>(::GetPropW(form.Window(), L"onclose"));
  if (code) accept = (code() & 0xFF) != 0;
}

const std::string kUser32 = "var setProp = \"user32.dll\".GetApi(\"SetPropW\", \"iwii\");\n"
                            "var send = \"user32.dll\".GetApi(\"SendMessageW\", \"iiiii\");\n"
                            "var isWindow = \"user32.dll\".GetApi(\"IsWindow\", \"ii\");\n";

TEST_F(KitScriptEvents, AScriptDecidesACloseAndItsErrorReachesTheScript) {
  TKitForm* forms[] = {NewForm(nullptr, QT("Refuses once")), NewForm(nullptr, QT("Fails"))};
  std::string windows[2];
  SetRunningCount(1);
  for (int i = 0; i < 2; ++i) {
    forms[i]->style &= ~DWORD(WS_VISIBLE);
    SetOnClose(*forms[i], &CallScriptOnClose, nullptr);
    ASSERT_TRUE(CreateControlWindow(*forms[i]));
    windows[i] = std::to_string(reinterpret_cast<uintptr_t>(forms[i]->Window()));
  }
  EXPECT_EQ(Run(kUser32 + "var w = " + windows[0] + ";\n" +
                "var calls = 0;\n"
                "qel refuseFirst() calls += 1; return calls > 1; end qel;\n"
                "setProp(w, \"onclose\", refuseFirst.@toCallback(type: \"ii\", ptr: true));\n"
                "send(w, 16, 0, 0);\n"
                "?. isWindow(w) & \" \" & calls;\n"
                "send(w, 16, 0, 0);\n"
                "?. isWindow(w) & \" \" & calls;\n"),
            "1 1\r\n0 2\r\n");
  EXPECT_EQ(Run(kUser32 + "var w = " + windows[1] + ";\n" +
                "qel fail() raise \"close failed\"; end qel;\n"
                "setProp(w, \"onclose\", fail.@toCallback(type: \"ii\", ptr: true));\n"
                "send(w, 16, 0, 0);\n"
                "?. \"not reached\";\n"),
            "error: close failed");
  // The failed callback answered 0: the close was refused, and the form stays.
  EXPECT_NE(forms[1]->Window(), nullptr);
  for (TKitForm* form : forms) {
    DestroyControl(*form);
    form->Release();
  }
}

}  // namespace
