#include "json_fuzz_run.h"

#include <memory>

#include "runtime/error.h"
#include "runtime/json/json_reader.h"
#include "runtime/json/json_writer.h"
#include "support/text_util.h"
#include "runtime/tree/object_value.h"

using namespace runtime;

namespace {

struct ReleaseOnExit {
  void operator()(CBase* object) const { ReleaseObject(object); }
};
using Held = std::unique_ptr<CObjectInstance, ReleaseOnExit>;

Text WriteObject(CObjectInstance* object, int32_t format, bool json) {
  TJsonOptions options;
  options.format = format;
  options.json = json;
  options.gbk = true;
  return CJsonWriter(options).Write(object);
}

// The first write may lose what its notation cannot hold (control
// characters in JSON, number digits beyond 15); after that, writing and
// reading change nothing.
Text ReadAndWrite(const Text& text, bool json) {
  Held object(ReadJsonText(text, json));
  return object ? WriteObject(object.get(), 0, json) : QT("none");
}

std::string CheckStable(CObjectInstance* object, bool json) {
  const Text first = ReadAndWrite(WriteObject(object, 0, json), json);
  const Text second = ReadAndWrite(first, json);
  if (first == second) return "";
  return std::string(json ? "json" : "plain") + " not stable:\n" + Narrow(first) + "\n" + Narrow(second);
}

std::string RunMode(const Text& text, bool json) {
  Held object;
  try {
    object.reset(ReadJsonText(text, json));
  } catch (const EScriptError&) {
    return "";
  }
  if (!object) return "";
  for (int32_t format : {-1, 0, 2}) WriteObject(object.get(), format, json);
  return CheckStable(object.get(), json);
}

}  // namespace

std::string RunJsonInput(std::string_view bytes) {
  const Text text = Widen(bytes);
  std::string problem = RunMode(text, false);
  return problem.empty() ? RunMode(text, true) : problem;
}
