// Rule numbers are those of parse/qel.y.
#include <array>

#include "build_routines.h"

namespace {

constexpr int kRuleCount = 116;

constexpr std::array<TRuleRoutine, kRuleCount + 1> kRoutines = {
    nullptr,
    nullptr,                // 1 unit: statement
    nullptr,                // 2 unit: error (the parser reports it)
    BuildIf,                // 3
    BuildElsif,             // 4
    BuildElse,              // 5
    BuildCase,              // 6
    BuildWhen,              // 7
    BuildLoop,              // 8
    BuildWhile,             // 9
    BuildForEach,           // 10
    BuildForEachKey,        // 11
    BuildForEachIndex,      // 12
    BuildForEachKeyIndex,   // 13
    BuildFor,               // 14
    BuildForStep,           // 15
    BuildTry,               // 16
    BuildExcept,            // 17
    BuildFinally,           // 18
    BuildFunctionHead,      // 19
    BuildClassHead,         // 20
    BuildDerivedClassHead,  // 21
    nullptr,                // 22 simple_statement ';'
    nullptr,                // 23 ';'
    BuildCloseBrace,        // 24
    BuildCloseBrace,        // 25
    nullptr, nullptr,       // 26, 27 loop words: their text is the value
    nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr,  // 28-34 end words
    BuildEnd,                  // 35
    BuildExit,                 // 36
    BuildExitWhen,             // 37
    BuildNext,                 // 38
    BuildNextWhen,             // 39
    BuildReturn,               // 40
    BuildReturnValue,          // 41
    BuildRaise,                // 42
    BuildUse,                  // 43
    BuildUseAs,                // 44
    BuildVar,                  // 45
    BuildVarAssign,            // 46
    BuildLambdaStart,          // 47 opens the function as an arrow does
    BuildShortFunction,        // 48
    BuildAssign,               // 49
    BuildOpAssign,             // 50
    BuildCallStatement,        // 51
    BuildPrint,                // 52
    BuildPrintLine,            // 53
    BuildPrintBlank,           // 54
    BuildPrintTab,             // 55
    BuildBinary,               // 56 or, xor
    BuildBinary,               // 57 and
    BuildUnary,                // 58 not
    BuildBinary,               // 59 comparison
    BuildBinary,               // 60 =
    BuildBinary,               // 61 in
    BuildBinary,               // 62 &
    BuildBinary,               // 63 + -
    BuildBitBinary,            // 64
    BuildBitUnary,             // 65
    BuildBinary,               // 66 * / div mod
    BuildBinary,               // 67 ^
    BuildBraceFunction,        // 68 qel params "{"
    BuildParamsBraceFunction,  // 69 params "{"
    BuildPlainBraceFunction,   // 70 "{"
    BuildLambdaStart,          // 71
    BuildArrowFunction,        // 72
    BuildLambda1Start,         // 73
    BuildArrowFunction,        // 74
    BuildLambda0Start,         // 75
    BuildArrowFunction,        // 76
    BuildDeferredCall,         // 77
    BuildNew,                  // 78
    BuildVarValue,             // 79
    BuildDotOperator,          // 80
    BuildPassFirst,            // 81 expr: operation
    BuildPassFirst,            // 82 expr: primary
    BuildPassFirst,            // 83 primary: literal
    BuildPassFirst,            // 84 primary: target
    BuildPassFirst,            // 85 primary: call
    BuildPassSecond,           // 86 "(" operation ")"
    BuildPassFirst,            // 87 target: name
    BuildPassFirst,            // 88 target: index
    BuildName,                 // 89
    BuildOptionalName,         // 90
    BuildMember,               // 91
    BuildOptionalMember,       // 92
    BuildStringMember,         // 93
    BuildNumber,               // 94
    BuildSignedNumber,         // 95
    BuildString,               // 96
    BuildDate,                 // 97
    BuildTrue,                 // 98
    BuildFalse,                // 99
    BuildNull,                 // 100
    BuildRegex,                // 101
    BuildPassFirst,            // 102 literal: list
    BuildParamsValue,          // 103 "(" param_list ")"
    BuildCall,                 // 104
    BuildList,                 // 105
    BuildList,                 // 106 with a trailing ","
    BuildIndex,                // 107
    nullptr,                   // 108 no parameters
    BuildFirstParam,           // 109
    BuildNextParam,            // 110
    nullptr,                   // 111 no arguments
    BuildFirstArg,             // 112
    BuildNextArg,              // 113
    BuildPassFirst,            // 114 arg: expr
    BuildNamedArg,             // 115
    BuildStringNamedArg,       // 116
};

}  // namespace

TRuleRoutine RuleRoutine(int rule) { return rule > 0 && rule <= kRuleCount ? kRoutines[size_t(rule)] : nullptr; }
