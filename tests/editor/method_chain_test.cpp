#include <gtest/gtest.h>

#include <functional>
#include <stdexcept>
#include <string>

#include "editor/method_chain.h"

using namespace editor;
using toolkit::NotifyEvent;
using toolkit::Object;

namespace {

class Listener : public Object {
 public:
  Listener(char name, std::string& log) : name_(name), log_(log) {}
  void Fire(Object*) {
    log_ += name_;
    if (onFire) onFire();
  }
  void Throw(Object*) {
    log_ += '!';
    throw std::runtime_error("boom");
  }
  NotifyEvent FireEvent() { return NotifyEvent(this, &Listener::Fire); }
  std::function<void()> onFire;

 private:
  char name_;
  std::string& log_;
};

class ChainTest : public ::testing::Test {
 protected:
  std::string log;
  Object sender;
  TCodeNotifyEventChain chain{&sender};
  Listener a{'a', log}, b{'b', log}, c{'c', log};
};

TEST_F(ChainTest, DuplicatesAreCalledOncePerEntryAndRemovedTogether) {
  chain.AddHandler(a.FireEvent());
  chain.AddHandler(b.FireEvent());
  chain.AddHandler(a.FireEvent());
  chain.FireAll();
  EXPECT_EQ(log, "aba");
  chain.RemoveHandler(a.FireEvent());
  EXPECT_EQ(chain.Count(), 1);
  log.clear();
  chain.FireAll();
  EXPECT_EQ(log, "b");
  chain.RemoveHandler(c.FireEvent());  // not there: nothing happens
  EXPECT_EQ(chain.Count(), 1);
}

TEST_F(ChainTest, HandlersGetTheChainsSender) {
  Object* seen = nullptr;
  a.onFire = [&] { seen = chain.Sender(); };
  chain.AddHandler(a.FireEvent());
  Object other;
  chain.SetSender(&other);
  chain.FireAll();
  EXPECT_EQ(seen, &other);
}

TEST_F(ChainTest, EmptyMethodsAreRefusedWithTheChainsName) {
  try {
    chain.AddHandler(NotifyEvent());
    FAIL();
  } catch (const ECodeMethodChain& error) {
    EXPECT_EQ(error.Message(), u"TCodeNotifyEventChain.Entry : the parameter `AEvent' must be specified.");
  }
  try {
    chain.RemoveHandler(NotifyEvent());
    FAIL();
  } catch (const ECodeMethodChain& error) {
    EXPECT_EQ(error.Message(), u"TCodeNotifyEventChain.Remove: the parameter `AEvent' must be specified.");
  }
  EXPECT_EQ(chain.Count(), 0);
}

TEST_F(ChainTest, ExceptionHookDecidesWhetherTheRestRuns) {
  chain.AddHandler(a.FireEvent());
  chain.AddHandler(NotifyEvent(&b, &Listener::Throw));
  chain.AddHandler(c.FireEvent());
  EXPECT_THROW(chain.FireAll(), std::runtime_error) << "no hook: the exception goes on";
  EXPECT_EQ(log, "a!");

  class Hook : public Object {
   public:
    bool goOn = true;
    std::string message;
    void OnError(Object*, const std::exception& error, bool& continueFiring) {
      message = error.what();
      EXPECT_TRUE(continueFiring);
      continueFiring = goOn;
    }
  } hook;
  chain.OnException = TCodeChainExceptionEvent(&hook, &Hook::OnError);
  log.clear();
  chain.FireAll();
  EXPECT_EQ(log, "a!c");
  EXPECT_EQ(hook.message, "boom");
  hook.goOn = false;
  log.clear();
  chain.FireAll();
  EXPECT_EQ(log, "a!");
}

// Handlers that change the chain while it fires: a removed entry is not
// called, an added one waits for the next round, and nothing runs twice.
TEST_F(ChainTest, ChangesWhileFiringNeitherSkipNorRepeat) {
  struct Case {
    const char* name;
    std::function<void(TCodeNotifyEventChain&, Listener& a, Listener& b, Listener& c)> duringA;
    const char* firstRound;
    const char* secondRound;
  };
  const Case cases[] = {
      {"a removes itself", [](auto& chain, auto& a, auto&, auto&) { chain.RemoveHandler(a.FireEvent()); }, "abc",
       "bc"},
      {"a removes b", [](auto& chain, auto&, auto& b, auto&) { chain.RemoveHandler(b.FireEvent()); }, "ac", "ac"},
      {"a adds c again", [](auto& chain, auto&, auto&, auto& c) { chain.AddHandler(c.FireEvent()); }, "abc", "abcc"},
      {"a moves b to the end",
       [](auto& chain, auto&, auto& b, auto&) {
         chain.RemoveHandler(b.FireEvent());
         chain.AddHandler(b.FireEvent());
       },
       "ac", "acb"},
  };
  for (const Case& test : cases) {
    SCOPED_TRACE(test.name);
    TCodeNotifyEventChain fresh(&sender);
    bool first = true;
    a.onFire = [&] {
      if (first) test.duringA(fresh, a, b, c);
      first = false;
    };
    fresh.AddHandler(a.FireEvent());
    fresh.AddHandler(b.FireEvent());
    fresh.AddHandler(c.FireEvent());
    log.clear();
    fresh.FireAll();
    EXPECT_EQ(log, test.firstRound);
    log.clear();
    fresh.FireAll();
    EXPECT_EQ(log, test.secondRound);
  }
}

TEST_F(ChainTest, AHandlerMayClearTheWholeChain) {
  a.onFire = [&] {
    chain.RemoveHandler(a.FireEvent());
    chain.RemoveHandler(b.FireEvent());
  };
  chain.AddHandler(a.FireEvent());
  chain.AddHandler(b.FireEvent());
  chain.FireAll();
  EXPECT_EQ(log, "a");
  EXPECT_EQ(chain.Count(), 0);
}

}  // namespace
