// The rule routines: what each works on, and the routines by the file that
// holds them. The actions of parse/qel.y name them, and the table generated
// from the grammar maps rule numbers to them.
#pragma once
#include "runtime/tree/block.h"
#include "runtime/tree/value_node.h"
#include "runtime/compile/tree_builder.h"

namespace runtime {

// What a rule routine works on: the builder, the values of the rule's right
// side ($1..$n, and $0, $-1 ... before it) and the rule's own value.
struct TRule {
  TTreeBuilder& builder;
  const TRuleValues& values;
  TParseValue& result;

  TParseValue& operator[](int i) const { return values[i]; }
  const Text& TextOf(int i) const { return values[i].text; }
  CNode* Take(int i) const { return builder.Take(values[i]); }
  CValue* TakeValue(int i) const { return builder.TakeValue(values[i]); }
  void Give(CNode* node) const { builder.Give(result, node); }
  // The rule's value is that of its i-th symbol.
  void Pass(int i) const {
    result.node = values[i].node;
    values[i].node = nullptr;
  }
};

using TRuleRoutine = void (*)(const TRule& rule);

// build_compound.cpp: if, elsif, else, case, when.
void BuildIf(const TRule& r);
void BuildElsif(const TRule& r);
void BuildElse(const TRule& r);
void BuildCase(const TRule& r);
void BuildWhen(const TRule& r);

// build_compound.cpp: loop, while, the for forms.
void BuildLoop(const TRule& r);
void BuildWhile(const TRule& r);
void BuildForEach(const TRule& r);
void BuildForEachKey(const TRule& r);
void BuildForEachIndex(const TRule& r);
void BuildForEachKeyIndex(const TRule& r);
void BuildFor(const TRule& r);
void BuildForStep(const TRule& r);

// build_compound.cpp: try, except, finally.
void BuildTry(const TRule& r);
void BuildExcept(const TRule& r);
void BuildFinally(const TRule& r);

// build_compound.cpp: end, "}".
void BuildEnd(const TRule& r);
void BuildCloseBrace(const TRule& r);

// build_function.cpp: function and class heads, parameters, "var f(...) =".
void BuildFunctionHead(const TRule& r);
void BuildClassHead(const TRule& r);
void BuildDerivedClassHead(const TRule& r);
void BuildParamsValue(const TRule& r);
void BuildFirstParam(const TRule& r);
void BuildNextParam(const TRule& r);
void BuildShortFunction(const TRule& r);

// build_function.cpp: "{" and arrow functions; the arrow start also
// opens the function of "var f(params) = e".
void BuildBraceFunction(const TRule& r);
void BuildParamsBraceFunction(const TRule& r);
void BuildPlainBraceFunction(const TRule& r);
void BuildLambdaStart(const TRule& r);
void BuildLambda1Start(const TRule& r);
void BuildLambda0Start(const TRule& r);
void BuildArrowFunction(const TRule& r);

// build_statement.cpp: exit, next, return, raise.
void BuildExit(const TRule& r);
void BuildExitWhen(const TRule& r);
void BuildNext(const TRule& r);
void BuildNextWhen(const TRule& r);
void BuildReturn(const TRule& r);
void BuildReturnValue(const TRule& r);
void BuildRaise(const TRule& r);

// build_statement.cpp: use.
void BuildUse(const TRule& r);
void BuildUseAs(const TRule& r);

// build_statement.cpp: var, assignments, calls, prints.
void BuildVar(const TRule& r);
void BuildVarAssign(const TRule& r);
void BuildAssign(const TRule& r);
void BuildOpAssign(const TRule& r);
void BuildCallStatement(const TRule& r);
void BuildPrint(const TRule& r);
void BuildPrintLine(const TRule& r);
void BuildPrintBlank(const TRule& r);
void BuildPrintTab(const TRule& r);

// build_expression.cpp: operators, deferred calls, new, var, DOT_OP.
void BuildBinary(const TRule& r);
void BuildBitBinary(const TRule& r);
void BuildUnary(const TRule& r);
void BuildBitUnary(const TRule& r);
void BuildDeferredCall(const TRule& r);
void BuildNew(const TRule& r);
void BuildVarValue(const TRule& r);
void BuildDotOperator(const TRule& r);

// build_expression.cpp: names, members, calls, lists, indexes, arguments.
void BuildPassFirst(const TRule& r);
void BuildPassSecond(const TRule& r);
void BuildName(const TRule& r);
void BuildOptionalName(const TRule& r);
void BuildMember(const TRule& r);
void BuildOptionalMember(const TRule& r);
void BuildStringMember(const TRule& r);
void BuildCall(const TRule& r);
void BuildList(const TRule& r);
void BuildIndex(const TRule& r);
void BuildFirstArg(const TRule& r);
void BuildNextArg(const TRule& r);
void BuildNamedArg(const TRule& r);
void BuildStringNamedArg(const TRule& r);

// build_expression.cpp: literal values.
void BuildNumber(const TRule& r);
void BuildSignedNumber(const TRule& r);
void BuildString(const TRule& r);
void BuildDate(const TRule& r);
void BuildTrue(const TRule& r);
void BuildFalse(const TRule& r);
void BuildNull(const TRule& r);
void BuildRegex(const TRule& r);

}  // namespace runtime
