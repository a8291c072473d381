// Helpers of the JSON tests: texts written as UTF-8, objects built by hand,
// and a description of an object that shows the type of every member.
#pragma once
#include <gtest/gtest.h>

#include <initializer_list>
#include <memory>
#include <string>
#include <vector>

#include "runtime/json/json_writer.h"
#include "support/text_util.h"
#include "support/value_makers.h"
#include "runtime/tree/node.h"
#include "runtime/tree/object_value.h"

using namespace runtime;

struct ReleaseNode {
  void operator()(CBase* object) const { ReleaseObject(object); }
};
using ObjectPtr = std::unique_ptr<CObjectInstance, ReleaseNode>;

// Lists "[...]" and records "{...}" of members separated by spaces: Int32 1,
// Int64 1L, UInt32 1u, Double 1.5d, texts 'a', dates @2026-12-10, true,
// null, empty, holes "hole"; a named member is name=value.
std::string Describe(CObjectValue* object);
// What the reader makes of the text: its description, "none", or the error.
std::string DescribeRead(const char* utf8, bool json);
std::string DescribeRead(const Text& text, bool json);

// Objects made member by member. Each takes over the members it is given.
CValue* Item(const Value& value);
CValue* Named(const char* name, CValue* member);
CObjectInstance* List(std::initializer_list<CValue*> members);
CObjectInstance* Record(std::initializer_list<CValue*> members);

std::string Write(CObjectValue* object, const TJsonOptions& options);
// With json set and a format of 0 or more, the text must also be JSON to
// Python's reader: JsonTest checks each such text at the end of the test.
std::string Write(CObjectValue* object, int32_t format = 0, bool json = false);
void ExpectPythonReadsJson(const std::vector<std::string>& texts);

// Checks that each test releases every node it made, and that its JSON
// texts are JSON.
class JsonTest : public ::testing::Test {
protected:
  void TearDown() override;

private:
  int32_t nodesBefore_ = CNode::LiveCount();
};
