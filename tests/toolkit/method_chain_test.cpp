#include <gtest/gtest.h>

#include <stdexcept>
#include <string>

#include "toolkit/core/method_chain.h"

using namespace toolkit;

namespace {

class Listener : public Object {
 public:
  explicit Listener(std::string name, std::string& log) : name_(std::move(name)), log_(log) {}
  void Fire(Object*) {
    log_ += name_;
    if (onFire) onFire();
  }
  void Other(Object*) { log_ += "?"; }
  void Throw(Object*) { throw std::runtime_error("boom"); }
  std::function<void()> onFire;

 private:
  std::string name_;
  std::string& log_;
};

TEST(MethodTest, EqualWhenObjectAndMemberMatch) {
  std::string log;
  Listener a("a", log);
  Listener b("b", log);
  const NotifyEvent fireA(&a, &Listener::Fire);
  EXPECT_EQ(fireA, NotifyEvent(&a, &Listener::Fire));
  EXPECT_FALSE(fireA == NotifyEvent(&b, &Listener::Fire));
  EXPECT_FALSE(fireA == NotifyEvent(&a, &Listener::Other));
  NotifyEvent empty;
  EXPECT_FALSE(empty);
  EXPECT_EQ(empty, NotifyEvent(nullptr));
  empty(nullptr);  // calling nothing is harmless
  fireA(nullptr);
  EXPECT_EQ(log, "a");
  EXPECT_EQ(fireA.Data(), &a);
  Method<int(int)> none;
  EXPECT_EQ(none(5), 0);
}

struct ChainFixture : ::testing::Test {
  std::string log;
  Listener a{"a", log};
  Listener b{"b", log};
  Listener c{"c", log};
  Object sender;
  NotifyEventChain chain{&sender};
  NotifyEvent A() { return NotifyEvent(&a, &Listener::Fire); }
  NotifyEvent B() { return NotifyEvent(&b, &Listener::Fire); }
  NotifyEvent C() { return NotifyEvent(&c, &Listener::Fire); }
};

TEST_F(ChainFixture, FiresInOrderAndIgnoresRepeats) {
  chain.AddHandler(A());
  chain.AddHandler(B());
  chain.AddHandler(A());
  chain.FireAll();
  EXPECT_EQ(log, "ab");
  chain.RemoveHandler(A());
  chain.RemoveHandler(A());
  chain.FireAll();
  EXPECT_EQ(log, "abb");
}

TEST_F(ChainFixture, RemovingDuringDispatch) {
  chain.AddHandler(A());
  chain.AddHandler(B());
  chain.AddHandler(C());
  // a removes itself and b: c still runs once, nothing runs twice.
  a.onFire = [&] {
    chain.RemoveHandler(A());
    chain.RemoveHandler(B());
  };
  chain.FireAll();
  EXPECT_EQ(log, "ac");
  log.clear();
  chain.FireAll();
  EXPECT_EQ(log, "c");
}

TEST_F(ChainFixture, RemovingAnEarlierEntryDoesNotSkipTheNext) {
  chain.AddHandler(A());
  chain.AddHandler(B());
  chain.AddHandler(C());
  b.onFire = [&] { chain.RemoveHandler(A()); };
  chain.FireAll();
  EXPECT_EQ(log, "abc");
}

TEST_F(ChainFixture, AddingDuringDispatchRunsTheNewHandlerInTheSameRound) {
  chain.AddHandler(A());
  a.onFire = [&] {
    a.onFire = nullptr;
    chain.AddHandler(B());
  };
  chain.FireAll();
  EXPECT_EQ(log, "ab");
}

TEST_F(ChainFixture, ExceptionHookDecidesWhetherTheRestRuns) {
  Listener thrower("!", log);
  chain.AddHandler(A());
  chain.AddHandler(NotifyEvent(&thrower, &Listener::Throw));
  chain.AddHandler(C());
  EXPECT_THROW(chain.FireAll(), std::runtime_error);
  EXPECT_EQ(log, "a");

  struct Hook {
    bool goOn;
    std::string seen;
    void Handle(Object*, const std::exception& error, bool& continueFiring) {
      seen = error.what();
      continueFiring = goOn;
    }
  } hook{true, ""};
  chain.OnException = ChainExceptionEvent(&hook, &Hook::Handle);
  log.clear();
  chain.FireAll();
  EXPECT_EQ(log, "ac");
  EXPECT_EQ(hook.seen, "boom");
  hook.goOn = false;
  log.clear();
  chain.FireAll();
  EXPECT_EQ(log, "a");
}

}  // namespace
