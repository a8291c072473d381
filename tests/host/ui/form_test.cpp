// Forms as scripts make them: size and place, "show" with each kind of
// alpha, "hwnd" over a form's life, the form events through native
// callbacks, and "delay".
#include "ui_fixture.h"

namespace ui_test {
namespace {

class UiForm : public UiTest {};

RECT WindowRect(HWND window) {
  RECT rect{};
  ::GetWindowRect(window, &rect);
  return rect;
}

TEST_F(UiForm, AFormIsMadeHiddenSizedByItsArgumentsAndCentredOnTheScreen) {
  const std::vector<std::string> lines = Lines(Run(kPrologue +
                                                   "var a = ui.form(\"Default\");\n"
                                                   "var b = ui.form(\"Short\", height: 300);\n"
                                                   "?. a.hwnd();\n"
                                                   "?. b.hwnd();\n"
                                                   "?. isVisible(a.hwnd()) & \" \" & isVisible(b.hwnd());\n"));
  ASSERT_EQ(lines.size(), 3u);
  EXPECT_EQ(lines[2], "0 0");
  const int screenWidth = ::GetSystemMetrics(SM_CXSCREEN);
  const int screenHeight = ::GetSystemMetrics(SM_CYSCREEN);
  const struct {
    const wchar_t* caption;
    int width;
    int height;
  } expected[] = {{L"Default", 640, 480}, {L"Short", 640, 300}};
  for (int i = 0; i < 2; ++i) {
    SCOPED_TRACE(i);
    // The forms outlive the script's values: the run holds them.
    HWND window = WindowFromLine(lines[size_t(i)]);
    ASSERT_TRUE(::IsWindow(window));
    EXPECT_EQ(kit_test::ClassOf(window), L"obj_Form");
    wchar_t caption[32] = {};
    ::GetWindowTextW(window, caption, 32);
    EXPECT_STREQ(caption, expected[i].caption);
    const RECT rect = WindowRect(window);
    EXPECT_EQ(rect.right - rect.left, expected[i].width);
    EXPECT_EQ(rect.bottom - rect.top, expected[i].height);
    EXPECT_EQ(rect.left, (screenWidth - expected[i].width) / 2);
    EXPECT_EQ(rect.top, (screenHeight - expected[i].height) / 2);
  }
  // A new run ends the forms of the last.
  ResetRunState();
  EXPECT_FALSE(::IsWindow(WindowFromLine(lines[0])));
  EXPECT_FALSE(::IsWindow(WindowFromLine(lines[1])));
}

TEST_F(UiForm, BadFormArgumentsAreRefused) {
  EXPECT_EQ(Run(kPrologue + "ui.form(\"Wide\", -1);"), "error: form: width and height must not be negative");
  EXPECT_EQ(Run(kPrologue + "ui.form(\"Odd\", onclose: \"x1\");"), "error: Cannot convert Text \"x1\" to Int64");
}

// Alpha 300 changes nothing, 0 hides, 1..255 shows with that opacity, below 0
// posts a close and answers the visibility before the close is handled. A
// form object that outlives its form answers 0 and false.
TEST_F(UiForm, ShowAnswersTheVisibilityForEveryKindOfAlpha) {
  const std::vector<std::string> lines =
      Lines(Run(kPrologue +
                "var f = ui.form(\"Shown\");\n"
                "var w = f.hwnd();\n"
                "?. w <> 0;\n"
                "?. f.show(300) & \" \" & f.show(0);\n"
                "?. f.show(128) & \" \" & isVisible(w);\n"
                "?. exStyle(w, -20);\n"
                "?. f.show(255) & \" \" & f.show(300) & \" \" & (f.hwnd() = w);\n"
                "?. exStyle(w, -20);\n"
                "?. f.show(0) & \" \" & isVisible(w) & \" \" & f.show(-1, true);\n"
                "?. f.show(-1) & \" \" & isWindow(w);\n"
                "ui.delay(0, true);\n"
                "?. isWindow(w) & \" \" & f.hwnd() & \" \" & f.show() & \" \" & f.show(-1);\n"));
  ASSERT_EQ(lines.size(), 9u);
  EXPECT_EQ(lines[0], "True");
  EXPECT_EQ(lines[1], "False False");
  EXPECT_EQ(lines[2], "True 1");
  EXPECT_TRUE(std::stoul(lines[3]) & WS_EX_LAYERED);
  EXPECT_EQ(lines[4], "True True True");
  EXPECT_FALSE(std::stoul(lines[5]) & WS_EX_LAYERED);
  // Hidden, a close posted and "ontop" given: the hidden form stays hidden.
  EXPECT_EQ(lines[6], "False 0 False");
  EXPECT_EQ(lines[7], "False 1");
  EXPECT_EQ(lines[8], "0 0 False False");
}

// Wine's browser has no HTML engine here, but its automation object answers.
TEST_F(UiForm, EveryFormHoldsABrowserThatFillsItAndHtmlGivesItsAutomationObject) {
  const std::vector<std::string> lines = Lines(Run(kPrologue +
                                                   "var f = ui.form(\"Browser\", 400, 300);\n"
                                                   "?. f.hwnd();\n"
                                                   "?. f.html().Name;\n"
                                                   "f.show(-1);\n"
                                                   "ui.delay(0, true);\n"
                                                   "f.html();\n"));
  ASSERT_EQ(lines.size(), 3u);
  EXPECT_EQ(lines[1], "Microsoft Web Browser Control");
  EXPECT_EQ(lines[2], "error: html: the form is closed");
}

TEST_F(UiForm, TheBrowserFillsTheClientAreaOfItsForm) {
  const std::vector<std::string> lines = Lines(Run(kPrologue + "?. ui.form(\"Filled\", 400, 300).hwnd();\n"));
  ASSERT_EQ(lines.size(), 1u);
  HWND form = WindowFromLine(lines[0]);
  HWND browser = ::GetWindow(form, GW_CHILD);
  ASSERT_NE(browser, nullptr);
  // The control's own in-place window, a kit window by subclassing.
  EXPECT_NE(host::kit::ControlOfWindow(browser), nullptr);
  RECT client{};
  ::GetClientRect(form, &client);
  RECT inner = WindowRect(browser);
  ::MapWindowPoints(nullptr, form, reinterpret_cast<POINT*>(&inner), 2);
  EXPECT_EQ(inner.left, 0);
  EXPECT_EQ(inner.top, 0);
  EXPECT_EQ(inner.right, client.right);
  EXPECT_EQ(inner.bottom, client.bottom);
}

// 0x8023 is claimed with 77; 0x8024 answers 256, whose low byte is 0, so
// it goes on to default processing; 0x8025 answers 257, claimed.
TEST_F(UiForm, AnOnMessageCallbackClaimsAMessageWhenTheLowByteOfItsAnswerIsNotZero) {
  EXPECT_EQ(Run(kPrologue +
                "var seen = 0;\n"
                "qel onmsg(w, m, wp, lp)\n"
                "  if m = 0x8023 then seen += 1; return 77; end if;\n"
                "  if m = 0x8024 then return 256; end if;\n"
                "  if m = 0x8025 then return 257; end if;\n"
                "end qel;\n"
                "var f = ui.form(\"Messages\", onmsg: onmsg.@toCallback(type: \"uiuuvi\", ptr: true));\n"
                "var w = f.hwnd();\n"
                "?. send(w, 0x8023, 0, 0) & \" \" & send(w, 0x8024, 0, 0) & \" \" & send(w, 0x8025, 0, 0);\n"
                "post(w, 0x8023, 0, 0);\n"
                "ui.delay(0);\n"
                "?. seen;\n"
                "ui.delay(-5, true);\n"
                "?. seen;\n"),
            "77 0 257\r\n1\r\n2\r\n");
}

// A callback whose signature takes arguments the form does not pass: in the
// 32-bit build its thunk removes more than was pushed, and the caller's
// stack must survive that.
TEST_F(UiForm, ACallbackOfTheWrongSignatureLeavesTheCallerIntact) {
  EXPECT_EQ(Run(kPrologue +
                "var calls = 0;\n"
                "qel wrong(a, b, c, d, e, f, g, h) calls += 1; return 0; end qel;\n"
                "ui.form(\"Main\");\n"
                "var f = ui.form(\"Wrong\", onclose: wrong.@toCallback(type: \"iiiivi\", ptr: true),\n"
                "                onmsg: wrong.@toCallback(type: \"uuuuuuuuvi\", ptr: true));\n"
                "var w = f.hwnd();\n"
                "send(w, 0x8023, 0, 0);\n"
                "send(w, 16, 0, 0);\n"
                "?. (calls > 1) & \" \" & isWindow(w);\n"),
            "True 0\r\n");
}

}  // namespace
}  // namespace ui_test
