// "run": the loop of the main form, ended only by closing the main form,
// from a timer callback in the script; a refusal and a script error inside.
#include "ui_fixture.h"

namespace ui_test {
namespace {

class UiLoop : public UiTest {};

// The first tick closes the second form, the next two the main form, whose
// onclose refuses once. Later ticks (the timer may fire once more while the
// closed form goes) do nothing.
TEST_F(UiLoop, RunEndsWhenTheMainFormClosesAndNotForASecondForm) {
  std::string output;
  {
    Watchdog watchdog(kPatience);
    output = Run(kPrologue +
                 "var closes = 0;\n"
                 "qel onclose() closes += 1; ?. \"onclose \" & closes; return closes > 1; end qel;\n"
                 "var main = ui.form(\"Main\", onclose: onclose.@toCallback(type: \"ii\", ptr: true));\n"
                 "var second = ui.form(\"Second\");\n"
                 "var mainWindow = main.hwnd();\n"
                 "var secondWindow = second.hwnd();\n"
                 "var ticks = 0;\n"
                 "qel tick(w, m, id, t)\n"
                 "  ticks += 1;\n"
                 "  if ticks = 1 then\n"
                 "    post(secondWindow, 16, 0, 0);\n"
                 "  elsif ticks = 2 then\n"
                 "    ?. \"second \" & isWindow(secondWindow) & \", main \" & isVisible(mainWindow);\n"
                 "    post(mainWindow, 16, 0, 0);\n"
                 "  elsif ticks = 3 then\n"
                 "    ?. \"main \" & isWindow(mainWindow);\n"
                 "    post(mainWindow, 16, 0, 0);\n"
                 "  end if;\n"
                 "end qel;\n"
                 "var ticker = tick.@toCallback(type: \"uuuuvi\");\n"
                 "var timer = setTimer(0, 0, 20, ticker);\n"
                 "ui.run();\n"
                 "killTimer(0, timer);\n"
                 "?. \"ended: \" & isWindow(mainWindow) & \" \" & main.hwnd() & \" \" & main.show();\n"
                 "ui.run();\n"
                 "?. \"a second run returns at once\";\n");
  }
  EXPECT_EQ(output,
            "second 0, main 1\r\n"
            "onclose 1\r\n"
            "main 1\r\n"
            "onclose 2\r\n"
            "ended: 0 0 False\r\n"
            "a second run returns at once\r\n");

  // The next run of the process starts afresh: its loop runs again.
  ResetRunState();
  {
    Watchdog watchdog(kPatience);
    output = Run(kPrologue +
                 "qel onclose() ?. \"closed\"; return true; end qel;\n"
                 "var f = ui.form(\"Next run\", onclose: onclose.@toCallback(type: \"ii\", ptr: true));\n"
                 "post(f.hwnd(), 16, 0, 0);\n"
                 "ui.run();\n");
  }
  EXPECT_EQ(output, "closed\r\n");
}

TEST_F(UiLoop, RunWithoutAFormReturnsAtOnce) {
  EXPECT_EQ(Run(kPrologue + "ui.run(); ?. \"returned\";"), "returned\r\n");
}

// An error in an event stops the loop and reaches the script's try.
TEST_F(UiLoop, AnErrorRaisedByAnEventEndsTheLoopWithThatError) {
  std::string output;
  {
    Watchdog watchdog(kPatience);
    output = Run(kPrologue +
                 "qel onmsg(w, m, wp, lp) if m = 0x8023 then raise \"message failed\"; end if; end qel;\n"
                 "var f = ui.form(\"Failing\", onmsg: onmsg.@toCallback(type: \"uiuuvi\", ptr: true));\n"
                 "post(f.hwnd(), 0x8023, 0, 0);\n"
                 "try\n"
                 "  ui.run();\n"
                 "except\n"
                 "  ?. \"caught: \" & @;\n"
                 "end try;\n"
                 "?. f.hwnd();\n");
  }
  EXPECT_EQ(output, "caught: message failed\r\n0\r\n");
}

}  // namespace
}  // namespace ui_test
