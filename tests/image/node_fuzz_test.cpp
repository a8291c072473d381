// Damaged images of a tree that holds every node class, made
// deterministically: each must be refused with the bad-format error, or load,
// run (within a number of statements, with no libraries to reach the system)
// and free every node; a crash, a hang or a sanitizer report is a fault.
#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "../runtime/tree_builder.h"
#include "image/base_streamers.h"
#include "node_fixture.h"
#include "node_writer.h"
#include "rxlib/regex_value.h"
#include "tree/op_node.h"

namespace {

constexpr int32_t kStatements = 2000;

// Every node class, each kind of list and value, jumps, recursion, classes,
// modules in use and a deferred call.
ImageWriter EveryNodeClass() {
  TreeBuilder b;
  b.Add(new CLineStatement(b.Scope()));
  b.Add(new CSimpleStatement(b.Scope()));
  b.Add(new CStatement(b.Scope()));
  b.Module()->AddChild(new CNode(b.Scope()));
  b.Add(new CControlNode(b.Scope()));
  b.Do(new COpNode(b.Scope()));
  b.Do(new CRef(b.Scope()));
  b.Do(new CRecordInstance(b.Scope()));
  b.Do(new CObjectInstance(b.Scope()));
  auto* regex = new CRegexValue(b.Scope());
  regex->Init(T("a+"), T("i"));
  b.Var("r");
  b.Set("r", regex);
  b.Func("fact", {"n"}, [&] {
    b.If(b.Op('<', b.Name("n"), b.Const(2)), [&] { b.Return(b.Const(1)); });
    b.Return(b.Op('*', b.Name("n"), b.Call(b.Name("fact"), {b.Op('-', b.Name("n"), b.Const(1))})));
  });
  b.Print(b.Call(b.Name("fact"), {b.Const(4)}));
  CFunction* base = b.Class("Base", {}, [&] {
    b.Var("kind");
    b.Set("kind", b.Const("base"));
    b.Func("describe", {}, [&] { b.Return(b.Op('&', b.Name("kind"), b.Const(1.5))); });
  });
  b.Class("Derived", {"k"}, [&] { b.Set("kind", b.Name("k")); }, base);
  b.Print(b.Call(b.Member(b.Call(b.Name("Derived"), {b.Named("k", b.Const("d"))}), "describe")));
  b.Func("bump", {"v"}, [&] { b.Set("v", b.Op('+', b.Name("v"), b.Const(1))); });
  b.Var("y");
  b.Set("y", b.Const(1));
  b.Do(b.Call(b.Name("bump"), {b.Ref("y")}));
  b.Var("later");
  b.Set("later", b.Defer(b.Name("bump"), {b.Const(2)}));
  b.Do(b.Call(b.Name("later")));
  CModule* lib = b.NewModule("lib.qel");
  b.In(lib, [&] {
    b.Var("shared");
    b.Set("shared", b.Const(7));
  });
  b.Use(lib, "m");
  b.Print(b.Member(b.Name("m"), "shared"));
  b.Var("o");
  b.Set("o", b.Object({b.Named("x", b.Const(1)), b.Const("two")}));
  b.Assign(b.Member(b.Name("o"), "z"), b.New(b.Name("o")));
  b.Assign(b.Index(b.Name("o"), b.Const(1)), b.And(b.Const(0), b.Or(b.Null(), b.Const("w"))));
  b.For("i", b.Const(1), b.Const(4), b.Const(1), [&] {
    b.Next(b.Op('=', b.Name("i"), b.Const(2)));
    b.Exit(b.Op('=', b.Name("i"), b.Const(3)));
    b.PrintComma(b.Name("i"));
  });
  b.While(b.Op('<', b.Name("y"), b.Const(5)), [&] { b.Set("y", b.Op('+', b.Name("y"), b.Const(1))); });
  b.ForEach("v", b.Name("o"), [&] { b.PrintComma(b.Name("k")); }, "p", "k");
  b.Case(b.Name("y"), {{b.Object({b.Const(4), b.Const(5)}), [&] { b.Print(b.Const("in")); }}},
         [&] { b.Print(b.Name("nothing", true)); });
  b.Try([&] { b.Raise(b.Op('N', b.Const(0))); }, [&] { b.Print(b.Name("@")); }, [&] { b.Jump(b.Scope()); });
  return NodeImageWriter().Write(b.Module());
}

class Outcomes {
public:
  void Check(const std::string& image, const std::string& variant) {
    const int32_t nodes = CNode::LiveCount();
    const std::string shown = LoadAndRun(image, kStatements);
    EXPECT_EQ(CNode::LiveCount(), nodes) << variant;
    if (shown.rfind("refused: ", 0) != 0) {
      ++loaded_;
      return;
    }
    ++refused_;
    EXPECT_EQ(shown, "refused: " + kBadFileFormat) << variant;
  }
  int Loaded() const { return loaded_; }
  int Refused() const { return refused_; }

private:
  int loaded_ = 0;
  int refused_ = 0;
};

// Deterministic pseudo-random numbers (a linear congruential generator).
class Dice {
public:
  uint32_t Roll(uint32_t below) {
    state_ = state_ * 6364136223846793005ull + 1442695040888963407ull;
    return static_cast<uint32_t>(state_ >> 33) % below;
  }

private:
  uint64_t state_ = 0x2545F4914F6CDD1Dull;
};

using NodeFuzz = NodeImageTest;

}  // namespace

TEST_F(NodeFuzz, SeedRuns) {
  EXPECT_EQ(LoadAndRun(EveryNodeClass().Build(), kStatements), "24\nd1.5\n7\n1 x  z in\n4294967295\n");
}

TEST_F(NodeFuzz, CutPayloads) {
  const std::string payload = EveryNodeClass().Payload();
  Outcomes outcomes;
  for (std::size_t length = 0; length < payload.size(); ++length) {
    const std::string cut = WrapPayload(payload.substr(0, length), ImageForm::kOrdinary, kImageVersionPlain);
    outcomes.Check(cut, "cut at " + std::to_string(length));
  }
  EXPECT_EQ(outcomes.Loaded(), 0);
}

TEST_F(NodeFuzz, FlippedImageBytes) {
  const std::string image = EveryNodeClass().Build();
  Outcomes outcomes;
  for (std::size_t at = 0; at < image.size(); ++at)
    for (uint8_t mask : {0x01, 0x80}) {
      std::string flipped = image;
      flipped[at] = static_cast<char>(flipped[at] ^ mask);
      outcomes.Check(flipped, "flip at " + std::to_string(at));
    }
  EXPECT_GT(outcomes.Refused(), 0);
}

TEST_F(NodeFuzz, DamagedRecordBodies) {
  const ImageWriter seed = EveryNodeClass();
  const uint8_t replacements[] = {0x1D, 0x00, 0xFF};
  Outcomes outcomes;
  for (std::size_t r = 0; r < seed.Records().size(); ++r) {
    const std::string& body = seed.Records()[r].body;
    for (std::size_t at = 0; at <= body.size(); ++at) {
      const std::string where = "record " + std::to_string(r + 1) + " byte " + std::to_string(at);
      auto check = [&](std::string mutated, const char* how) {
        ImageWriter copy = seed;
        copy.Records()[r].body = std::move(mutated);
        outcomes.Check(copy.Build(), where + " " + how);
      };
      check(body.substr(0, at), "cut");
      if (at == body.size()) continue;
      for (uint8_t value : replacements) {
        std::string replaced = body;
        replaced[at] = static_cast<char>(value);
        check(replaced, "replaced");
      }
      check(body.substr(0, at) + body.substr(at + 1), "deleted");
    }
  }
  EXPECT_GT(outcomes.Refused(), 0);
  EXPECT_GT(outcomes.Loaded(), 0);
}

TEST_F(NodeFuzz, RecordsOfAnotherClass) {
  const ImageWriter seed = EveryNodeClass();
  Outcomes outcomes;
  std::vector<int32_t> ids{static_cast<int32_t>(ClassId::kLineStatement)};
  for (int32_t id = kListClassId; id <= static_cast<int32_t>(ClassId::kRegexValue); ++id) ids.push_back(id);
  for (std::size_t r = 0; r < seed.Records().size(); ++r)
    for (int32_t id : ids) {
      ImageWriter copy = seed;
      copy.Records()[r].classId = id;
      outcomes.Check(copy.Build(), "record " + std::to_string(r + 1) + " as class " + std::to_string(id));
    }
  EXPECT_GT(outcomes.Refused(), 0);
  EXPECT_GT(outcomes.Loaded(), 0);
}

TEST_F(NodeFuzz, RandomDamageInSeveralPlaces) {
  const ImageWriter seed = EveryNodeClass();
  Dice dice;
  Outcomes outcomes;
  for (int round = 0; round < 3000; ++round) {
    ImageWriter image = seed;
    for (uint32_t hits = 1 + dice.Roll(4); hits > 0; --hits) {
      std::string& body = image.Records()[dice.Roll(static_cast<uint32_t>(image.Records().size()))].body;
      if (body.empty()) continue;
      body[dice.Roll(static_cast<uint32_t>(body.size()))] = static_cast<char>(dice.Roll(256));
    }
    outcomes.Check(image.Build(), "round " + std::to_string(round));
  }
  EXPECT_GT(outcomes.Refused(), 0);
  EXPECT_GT(outcomes.Loaded(), 0);
}
