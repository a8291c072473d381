// Damaged images of a tree that holds every node class: each that loads must
// also run (within a number of statements, with no libraries to reach the
// system) and free every node; a hang is a fault as well.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "runtime/image/base_streamers.h"
#include "node_fixture.h"
#include "runtime/rxlib/regex_library.h"
#include "support/image_damage.h"
#include "support/node_writer.h"
#include "support/program_builder.h"
#include "runtime/tree/op_node.h"

using namespace runtime;

namespace {

constexpr int32_t kStatements = 2000;

// Every node class, each kind of list and value, jumps, recursion, classes,
// modules in use and a deferred call.
ImageWriter EveryNodeClass() {
  ProgramBuilder b;
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

// Loads and runs the image, then checks that every node is gone.
std::string LoadRunAndFree(const std::string& image) {
  const int32_t nodes = CNode::LiveCount();
  const std::string shown = LoadAndRun(image, kStatements);
  EXPECT_EQ(CNode::LiveCount(), nodes);
  const std::string refused = "refused: ";
  return shown.starts_with(refused) ? shown.substr(refused.size()) : "";
}

using NodeFuzz = NodeImageTest;

}  // namespace

TEST_F(NodeFuzz, SeedRuns) {
  EXPECT_EQ(LoadAndRun(EveryNodeClass().Build(), kStatements), "24\nd1.5\n7\n1 x  z in\n4294967295\n");
}

TEST_F(NodeFuzz, CutPayloads) {
  ImageDamage damage(LoadRunAndFree);
  damage.CutPayload(EveryNodeClass());
  EXPECT_EQ(damage.Loaded(), 0);
}

TEST_F(NodeFuzz, FlippedImageBytes) {
  ImageDamage damage(LoadRunAndFree);
  damage.FlipBytes(EveryNodeClass().Build(), {0x01, 0x80});
  EXPECT_GT(damage.Refused(), 0);
}

TEST_F(NodeFuzz, DamagedRecordBodies) {
  ImageDamage damage(LoadRunAndFree);
  damage.DamageBodies(EveryNodeClass(), {0x1D, 0x00, 0xFF});
  EXPECT_GT(damage.Refused(), 0);
  EXPECT_GT(damage.Loaded(), 0);
}

TEST_F(NodeFuzz, RecordsOfAnotherClass) {
  std::vector<int32_t> ids{static_cast<int32_t>(ClassId::kLineStatement)};
  for (int32_t id = kListClassId; id <= static_cast<int32_t>(ClassId::kRegexValue); ++id) ids.push_back(id);
  ImageDamage damage(LoadRunAndFree);
  damage.ChangeClasses(EveryNodeClass(), ids);
  EXPECT_GT(damage.Refused(), 0);
  EXPECT_GT(damage.Loaded(), 0);
}

TEST_F(NodeFuzz, RandomDamageInSeveralPlaces) {
  ImageDamage damage(LoadRunAndFree);
  damage.DamageAtRandom({EveryNodeClass()}, 3000, 0x2545F4914F6CDD1Dull);
  EXPECT_GT(damage.Refused(), 0);
  EXPECT_GT(damage.Loaded(), 0);
}
