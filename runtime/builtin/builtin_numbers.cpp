// "exp", "log", "sin", "cos", "atan" and "random".
#include <cmath>

#include "../error.h"
#include "../format/random.h"
#include "../tree/value_node.h"
#include "../value/convert.h"
#include "builtin_args.h"
#include "builtin_handlers.h"

namespace {

// A result that is not finite from a finite operand raises the errors the
// operators raise, so log(0) and exp(1000) fail as 1 / 0 and 10 ^ 400 do.
double Checked(double r, double x) {
  if (std::isfinite(r) || !std::isfinite(x)) return r;
  if (std::isnan(r)) RaiseError(QT("Invalid floating point operation"));
  RaiseError(x == 0 ? QT("Floating point division by zero") : QT("Floating point overflow"));
}

template <double (*F)(double)>
void SetFunctionOf(CNode* receiver, Value& result) {
  const double x = ReceiverDouble(receiver);
  result.SetDouble(Checked(F(x), x));
}

double Exp(double x) { return std::exp(x); }
double Log(double x) { return std::log(x); }
double Sin(double x) { return std::sin(x); }
double Cos(double x) { return std::cos(x); }
double Atan(double x) { return std::atan(x); }

// Any 32-bit pattern, so that a seed read back as a negative Int32 sets it again.
uint32_t SeedArgument(CValueList* args) {
  CValue* seed = CValueList::GetArg(args, QT("seed"), 0);
  return seed ? uint32_t(ToInt64(seed->ValueRef())) : 0;
}

}  // namespace

void DoExp(CContext&, CNode* receiver, CValueList*, Value& result) { SetFunctionOf<Exp>(receiver, result); }

void DoLog(CContext&, CNode* receiver, CValueList*, Value& result) { SetFunctionOf<Log>(receiver, result); }

void DoSin(CContext&, CNode* receiver, CValueList*, Value& result) { SetFunctionOf<Sin>(receiver, result); }

void DoCos(CContext&, CNode* receiver, CValueList*, Value& result) { SetFunctionOf<Cos>(receiver, result); }

void DoAtan(CContext&, CNode* receiver, CValueList*, Value& result) { SetFunctionOf<Atan>(receiver, result); }

// n >= 2: 0 .. n-1; -1: sets a non-zero seed or gives the seed; otherwise a
// fraction, after reseeding from the clock for n <= 0.
void DoRandom(CContext&, CNode* receiver, CValueList* args, Value& result) {
  const int32_t n = ReceiverInt(receiver);
  RandomGenerator& random = ScriptRandom();
  if (n >= 2) return result.SetInt(int32_t(random.Below(uint32_t(n))));
  if (n == -1) {
    if (const uint32_t seed = SeedArgument(args))
      random.SetSeed(seed);
    else
      result.SetInt(int32_t(random.Seed()));
    return;
  }
  if (n <= 0) random.SeedFromClock();
  result.SetDouble(random.Fraction());
}
