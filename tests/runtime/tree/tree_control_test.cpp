// if, case, try and raise.
#include <new>
#include <stdexcept>

#include "match_stub.h"
#include "support/tree_fixture.h"
#include "support/value_makers.h"

using namespace runtime;

namespace {

// Throws something that is not a script error.
class CForeignThrow : public CSimpleStatement {
public:
  using CSimpleStatement::CSimpleStatement;
  void Execute(CContext&) override { throw std::runtime_error("foreign"); }
};

// Fails as an allocation does when memory runs out.
template <class Failure>
class CAllocationFailure : public CSimpleStatement {
public:
  using CSimpleStatement::CSimpleStatement;
  void Execute(CContext&) override { throw Failure(); }
};

struct TooLong : std::length_error {
  TooLong() : std::length_error("basic_string::_M_create") {}
};

}  // namespace

using TreeControl = TreeTest;

TEST_F(TreeControl, SelectRunsTheFirstTrueBranchElseTheElseBlock) {
  CVariable* x = Var("x");
  Select({{Op('<', Name("x"), Const(0)), [&] { Print(Const("negative")); }},
          {Op('=', Name("x"), Const(0)), [&] { Print(Const("zero")); }},
          {Op('<', Name("x"), Const(10)), [&] { Print(Const("small")); }}},
         [&] { Print(Const("large")); });
  const struct {
    int32_t x;
    const char* output;
  } rows[] = {{-5, "negative\n"}, {0, "zero\n"}, {5, "small\n"}, {50, "large\n"}};
  for (const auto& row : rows) {
    x->OwnValue().SetInt(row.x);
    EXPECT_EQ(Again(), row.output) << row.x;
  }
}

TEST_F(TreeControl, BranchBlocksRunDirectlyUnderTheContext) {
  If(Const(1), [&] { Print(Const("then")); });
  If(Const(0), [&] { Print(Const("then")); }, [&] { Print(Const("else")); });
  If(Const(0), [&] { Print(Const("then")); });
  EXPECT_EQ(Run(), "then\nelse\n");
  EXPECT_EQ(Context().statements, 5);  // three selects and the two prints
}

class TreeCase : public TreeControl {
protected:
  TreeCase() : runner_(NewMatchRunner()) {}
  ~TreeCase() override { runner_->Release(); }

  std::string RunWith(CVariable* x, const Value& value) {
    x->SetValue(value);
    runner_->output.clear();
    Module()->Call(*runner_, nullptr);
    return runner_->Output();
  }

  RecordingContext* runner_;
};

TEST_F(TreeCase, ListsHoldTheirElementsRegexesMatchAndTextsIgnoreCase) {
  CVariable* x = Var("x");
  Case(Name("x"),
       {{Object({Const(1), Const(2), Const(3)}), [&] { Print(Const("list")); }},
        {new CFakeRegex(Scope(), QT("ab")), [&] { Print(Const("regex")); }},
        {Const("Text"), [&] { Print(Const("text")); }},
        {Const(7), [&] { Print(Op('&', Const("seven "), Name("@"))); }}},
       [&] { Print(Op('&', Const("else "), Name("@"))); });
  const struct {
    Value value;
    const char* output;
  } rows[] = {
      {Int(1), "list\n"},         {Int(3), "list\n"},          {Txt("xaby"), "regex\n"},
      {Txt("ab"), "regex\n"},     {Txt("TEXT"), "text\n"},     {Txt("7"), "seven 7\n"},
      {Int(8), "else 8\n"},       {Txt("a b"), "else a b\n"},
  };
  for (const auto& row : rows) EXPECT_EQ(RunWith(x, row.value), row.output) << row.output;
}

// "@" is a variable of the function it appears in: each call has its own.
TEST_F(TreeControl, CaseSubjectBelongsToEachCall) {
  Func("f", {"n"}, [&] {
    Case(Name("n"), {{Const(0), [&] {}}}, [&] {
      Do(Call(Name("f"), {Op('-', Name("n"), Const(1))}));
      PrintComma(Name("@"));
    });
  });
  Do(Call(Name("f"), {Const(3)}));
  EXPECT_EQ(Run(), "1 2 3 ");
}

TEST_F(TreeControl, ExceptReadsTheMessageFromAtAndSavesThePlace) {
  CTryNode* node = Try(
      [&] {
        Print(Const("before"));
        Raise("boom");
        Print(Const("not reached"));
      },
      [&] { Print(Name("@")); });
  Print(Const("after"));
  EXPECT_EQ(Run(), "before\nboom\nafter\n");
  EXPECT_EQ(Context().SavedNode(), node->Body()->Child(1));
}

// The message is text: "42" + "1" joins.
TEST_F(TreeControl, RaiseOfANumberRaisesItsTextForm) {
  Try([&] { Raise(Const(42)); }, [&] { Print(Op('+', Name("@"), Const("1"))); });
  EXPECT_EQ(Run(), "421\n");
}

TEST_F(TreeControl, FinallyRunsOnEveryPathAndLaterErrorsReplaceEarlierOnes) {
  CValue* path = Var("path");
  Try([&] { If(And(Op('<', Const(0), Name("path")), Op('<', Name("path"), Const(3))), [&] { Raise("body"); }); },
      [&] { If(Op('=', Name("path"), Const(2)), [&] { Raise("except"); }); },
      [&] {
        PrintComma(Const("finally"));
        If(Op('=', Name("path"), Const(3)), [&] { Raise("finally"); });
      });
  TryFinally([&] { If(Op('=', Name("path"), Const(4)), [&] { Raise("alone"); }); }, [&] { PrintComma(Const("cleanup")); });
  const struct {
    int32_t path;
    const char* error;
    const char* output;
  } rows[] = {{0, "no error", "finally cleanup "},
              {1, "no error", "finally cleanup "},
              {2, "except", "finally "},
              {3, "finally", "finally "},
              {4, "alone", "finally cleanup "}};
  for (const auto& row : rows) {
    path->OwnValue().SetInt(row.path);
    Context().output.clear();
    EXPECT_EQ(RunError(), row.error) << row.path;
    EXPECT_EQ(Context().Output(), row.output) << row.path;
  }
}

TEST_F(TreeControl, ErrorInExceptReplacesTheOneHandledAndStillRunsFinally) {
  Try([&] { Raise("first"); }, [&] { Raise(Op('&', Name("@"), Const(" then second"))); },
      [&] { Print(Const("finally")); });
  EXPECT_EQ(RunError(), "first then second");
  EXPECT_EQ(Context().Output(), "finally\n");
}

TEST_F(TreeControl, ForeignExceptionsPassExceptButNotFinally) {
  Try([&] { Add(new CForeignThrow(Scope())); }, [&] { Print(Const("except")); }, [&] { Print(Const("finally")); });
  EXPECT_THROW(Module()->Call(Context(), nullptr), std::runtime_error);
  EXPECT_EQ(Context().Output(), "finally\n");
}

TEST_F(TreeControl, RunningOutOfMemoryIsAScriptErrorThatExceptCatches) {
  Try([&] { Add(new CAllocationFailure<std::bad_alloc>(Scope())); }, [&] { Print(Name("@")); });
  Try([&] { Add(new CAllocationFailure<TooLong>(Scope())); }, [&] { Print(Name("@")); });
  TryFinally([&] { Add(new CAllocationFailure<std::bad_alloc>(Scope())); }, [&] { Print(Const("finally")); });
  EXPECT_EQ(RunError(), "Out of memory");
  EXPECT_EQ(Context().Output(), "Out of memory\nOut of memory\nfinally\n");
}

TEST_F(TreeControl, ReturnInsideTryRunsFinallyAndLeavesTheFunction) {
  Func("f", {}, [&] {
    Try([&] { Return(Const(1)); }, [&] { Print(Const("except")); }, [&] { Print(Const("finally")); });
    Print(Const("not after return"));
  });
  Print(Call(Name("f")));
  EXPECT_EQ(Run(), "finally\n1\n");
}
