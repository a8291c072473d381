// Errors of script code that foreign code called (native callbacks, and later
// COM methods, window procedures and dialog hooks). A C++ exception must
// never unwind through foreign frames: the entry point runs the script under
// Guard, which keeps the error and gives the foreign caller a neutral result;
// the script side raises the kept error once the foreign call has returned.
#pragma once
#include <exception>
#include <utility>

namespace host {

class ErrorRelay {
public:
  // Runs body and returns its result, or keeps what it threw and returns
  // neutral. While an error is kept, body is not run at all: the foreign
  // code may call again before it returns, and the script has stopped.
  template <class R, class F>
  static R Guard(R neutral, F&& body) noexcept {
    if (Pending()) return neutral;
    try {
      return std::forward<F>(body)();
    } catch (...) {
      Keep(std::current_exception());
    }
    return neutral;
  }

  static bool Pending();
  // Raises the kept error, if any, and forgets it.
  static void RaisePending();
  // Forgets a kept error without raising it.
  static void Discard();
  // Keeps an error caught at a foreign boundary outside Guard. The first
  // error wins; later ones are consequences of it.
  static void Keep(std::exception_ptr error) noexcept;
};

}  // namespace host
