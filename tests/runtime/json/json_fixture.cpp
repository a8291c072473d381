#include "json_fixture.h"

#include <cstdio>
#include <vector>

#include "runtime/error.h"
#include "runtime/json/json_reader.h"
#include "runtime/json/json_writer.h"
#include "runtime/tree/value_node.h"
#include "runtime/value/convert.h"
#include "runtime/value/predicates.h"

using namespace runtime;

namespace {

std::string DescribeValue(const Value& value);

std::string DescribeMember(CValue* member) {
  if (!member) return "hole";
  std::string name = member->Name().empty() ? "" : Narrow(member->Name()) + "=";
  return name + DescribeValue(member->ValueRef());
}

std::string DescribeValue(const Value& value) {
  if (CObjectValue* object = ScriptObjectOf(value)) return Describe(object);
  const std::string text = Narrow(ToText(value));
  switch (value.Type()) {
    case varEmpty: return "empty";
    case varNull: return "null";
    case varBoolean: return value.AsBoolRaw() ? "true" : "false";
    case varInteger: return text;
    case varInt64: return text + "L";
    case varLongWord: return text + "u";
    case varDouble: return text + "d";
    case varDate: return std::string("@").append(text);
    default: return IsStringType(value.Type()) ? std::string("'").append(text) + "'" : "unexpected type";
  }
}

CObjectInstance* Fill(CObjectInstance* object, std::initializer_list<CValue*> members) {
  for (CValue* member : members) {
    member->SetOwner(object);
    object->Members()->Add(member);
  }
  return object;
}

}  // namespace

std::string Describe(CObjectValue* object) {
  const bool record = dynamic_cast<CRecordInstance*>(object) != nullptr;
  std::string out = record ? "{" : "[";
  for (int32_t i = 0; i < object->MemberCount(); ++i)
    out.append(i ? " " : "").append(DescribeMember(object->Members()->At(i)));
  return out + (record ? "}" : "]");
}

std::string DescribeRead(const Text& text, bool json) {
  try {
    ObjectPtr object(ReadJsonText(text, json));
    return object ? Describe(object.get()) : "none";
  } catch (const EScriptError& e) {
    return e.what();
  }
}

std::string DescribeRead(const char* utf8, bool json) { return DescribeRead(Widen(utf8), json); }

CValue* Item(const Value& value) { return new CValue(nullptr, value); }

CValue* Named(const char* name, CValue* member) {
  member->SetName(Widen(name));
  return member;
}

CObjectInstance* List(std::initializer_list<CValue*> members) {
  return Fill(new CObjectInstance(nullptr), members);
}

CObjectInstance* Record(std::initializer_list<CValue*> members) {
  return Fill(new CRecordInstance(nullptr), members);
}

std::string Write(CObjectValue* object, const TJsonOptions& options) {
  return Narrow(CJsonWriter(options).Write(object));
}

namespace {

std::vector<std::string>& JsonOutputs() {
  static std::vector<std::string> outputs;
  return outputs;
}

}  // namespace

std::string Write(CObjectValue* object, int32_t format, bool json) {
  TJsonOptions options;
  options.format = format;
  options.json = json;
  std::string written = Write(object, options);
  if (json && format >= 0) JsonOutputs().push_back(written);
  return written;
}

// One text a line for json.tool: a line break of the layout is whitespace
// outside strings, and strings hold none unescaped. The Windows build writes
// the same texts; Python is asked natively only.
void ExpectPythonReadsJson(const std::vector<std::string>& texts) {
#ifndef _WIN32
  std::string lines;
  for (std::string text : texts) {
    for (size_t at = text.find("\r\n"); at != std::string::npos; at = text.find("\r\n", at)) text.replace(at, 2, "  ");
    lines += text + "\n";
  }
  FILE* tool = popen("python3 -X utf8 -m json.tool --json-lines >/dev/null", "w");
  ASSERT_NE(tool, nullptr);
  std::fwrite(lines.data(), 1, lines.size(), tool);
  EXPECT_EQ(pclose(tool), 0) << "python3 -m json.tool refuses one of:\n" << lines;
#else
  (void)texts;
#endif
}

void JsonTest::TearDown() {
  EXPECT_EQ(CNode::LiveCount(), nodesBefore_) << "nodes left alive";
  if (!JsonOutputs().empty()) ExpectPythonReadsJson(JsonOutputs());
  JsonOutputs().clear();
}
