// Property: random objects written by "@toJson" read back equal, in JSON and
// in the language's own notation; strict JSON output satisfies Python's parser.
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <random>
#include <set>

#ifndef _WIN32
#include <unistd.h>
#endif

#include "runtime/json/json_reader.h"
#include "runtime/json/json_writer.h"
#include "json_fixture.h"
#include "runtime/tree/value_node.h"
#include "runtime/value/convert.h"
#include "runtime/value/predicates.h"

using namespace runtime;

namespace {

// Pieces of random texts: quotes of every kind, escapes, separators, control
// characters and non-ASCII. JSON writes control characters other than these
// five as ".", so only the language's notation gets the others.
const char* const kPieces[] = {"a", "Z", "7", " ", "\"", "'", "`", "``", "\\", "\\\"", "/", ":", ",", "=", ";",
                               "[", "}", "@", "$", "null", "\t", "\n", "\r", "\b", "\f", "é", "中", "😀"};
const char* const kPlainOnlyPieces[] = {"\x01", "\x0b", "\x1f", "\x7f"};

class RandomObjects {
public:
  RandomObjects(uint32_t seed, bool json) : random_(seed), json_(json) {}

  CObjectInstance* Container(int depth) {
    const bool record = Below(2) == 0;
    CObjectInstance* object = record ? new CRecordInstance(nullptr) : new CObjectInstance(nullptr);
    std::set<std::string> names;
    for (uint32_t count = Below(6); count > 0; --count) {
      CValue* member = depth > 0 && Below(4) == 0 ? Container(depth - 1) : new CValue(nullptr, Scalar());
      if (Named(record)) member->SetName(UniqueName(names));
      member->SetOwner(object);
      object->Members()->Add(member);
    }
    return object;
  }

private:
  uint32_t Below(uint32_t n) { return random_() % n; }

  // JSON holds names in objects only, and there every member has one.
  bool Named(bool record) {
    if (json_) return record;
    return record ? Below(5) != 0 : Below(3) == 0;
  }

  Value Scalar() {
    Value value;
    switch (Below(6)) {
      case 0: value.SetInt(int32_t(random_())); break;
      case 1: value.SetInt64(WideInteger()); break;
      case 2: value.SetDouble(FifteenDigitFraction()); break;
      case 3: value.SetText(RandomText(8)); break;
      case 4: value.SetBool(Below(2)); break;
      default: value.SetNull(); break;
    }
    return value;
  }

  int64_t Random64() { return int64_t(uint64_t(random_()) << 32 | random_()); }

  // Outside Int32, which is what such digits read back as.
  int64_t WideInteger() {
    const int64_t v = Random64();
    return v == int32_t(v) ? v + (int64_t(1) << 40) : v;
  }

  // Doubles that their 15-digit text form reads back exactly: up to 15
  // digits divided by an exact power of ten.
  double FifteenDigitFraction() {
    for (;;) {
      double power = 1;
      for (uint32_t k = 1 + Below(22); k > 0; --k) power *= 10;
      const double x = double(Random64() % 1000000000000000) / power;
      if (x != std::trunc(x)) return x;
    }
  }

  Text RandomText(uint32_t maxPieces) {
    std::string utf8;
    for (uint32_t n = Below(maxPieces + 1); n > 0; --n) {
      const size_t plain = json_ ? 0 : std::size(kPlainOnlyPieces);
      const size_t pick = Below(uint32_t(std::size(kPieces) + plain));
      utf8 += pick < std::size(kPieces) ? kPieces[pick] : kPlainOnlyPieces[pick - std::size(kPieces)];
    }
    return Widen(utf8);
  }

  // Member names ignore ASCII case.
  Text UniqueName(std::set<std::string>& names) {
    for (;;) {
      const Text name = RandomText(3);
      std::string key = Narrow(name);
      for (char& c : key)
        if (c >= 'a' && c <= 'z') c = char(c - 32);
      if (!name.empty() && names.insert(key).second) return name;
    }
  }

  std::mt19937 random_;
  bool json_;
};

std::string Difference(CObjectValue* a, CObjectValue* b, const std::string& path);

bool SameScalar(const Value& a, const Value& b) {
  if (a.Type() != b.Type()) return false;
  if (IsStringType(a.Type())) return ToText(a) == ToText(b);
  return a.Bits() == b.Bits();
}

std::string MemberDifference(CValue* a, CValue* b, const std::string& path) {
  if (!a || !b) return path + ": hole";
  if (a->Name() != b->Name()) return path + ": name " + Narrow(a->Name()) + " / " + Narrow(b->Name());
  CObjectValue* objectA = ScriptObjectOf(a->ValueRef());
  CObjectValue* objectB = ScriptObjectOf(b->ValueRef());
  if (objectA && objectB) return Difference(objectA, objectB, path);
  if (objectA || objectB || !SameScalar(a->ValueRef(), b->ValueRef())) return path + ": value";
  return "";
}

// Where two objects differ, or "" when they are of the same kind with equal
// names and values of equal type, numbers bit for bit.
std::string Difference(CObjectValue* a, CObjectValue* b, const std::string& path) {
  if ((dynamic_cast<CRecordInstance*>(a) != nullptr) != (dynamic_cast<CRecordInstance*>(b) != nullptr))
    return path + ": kind";
  if (a->MemberCount() != b->MemberCount()) return path + ": count";
  for (int32_t i = 0; i < a->MemberCount(); ++i) {
    std::string found = MemberDifference(a->Members()->At(i), b->Members()->At(i), path + "/" + std::to_string(i));
    if (!found.empty()) return found;
  }
  return "";
}

void ExpectRoundTrips(bool json) {
  RandomObjects random(20260101, json);
  for (int i = 0; i < 300; ++i) {
    ObjectPtr original(random.Container(4));
    for (int32_t format : {0, 1, 3}) {
      TJsonOptions options;
      options.format = format;
      options.json = json;
      const Text text = CJsonWriter(options).Write(original.get());
      ObjectPtr back(ReadJsonText(text, json));
      ASSERT_NE(back, nullptr) << Narrow(text);
      ASSERT_EQ(Difference(original.get(), back.get(), ""), "") << Narrow(text);
    }
  }
}

}  // namespace

using JsonRoundTrip = JsonTest;

TEST_F(JsonRoundTrip, RandomObjectsReadBackEqualFromJson) { ExpectRoundTrips(true); }

TEST_F(JsonRoundTrip, RandomObjectsReadBackEqualFromTheLanguagesNotation) { ExpectRoundTrips(false); }

TEST_F(JsonRoundTrip, StrictJsonOutputIsAcceptedByPython) {
#ifdef _WIN32
  GTEST_SKIP() << "Python runs only in the native build";
#else
  if (std::system("python3 -c pass >/dev/null 2>&1") != 0) GTEST_SKIP() << "no python3";
  RandomObjects random(7, true);
  ObjectPtr all(new CObjectInstance(nullptr));
  for (int i = 0; i < 100; ++i) {
    CObjectInstance* object = random.Container(4);
    object->SetOwner(all.get());
    all->Members()->Add(object);
  }
  for (int32_t format : {0, 2}) {
    // The 16- and 8-bit test programs may run at the same time.
    const std::string file =
        ::testing::TempDir() + "qel_json_" + std::to_string(getpid()) + "_" + std::to_string(format) + ".json";
    std::ofstream(file, std::ios::binary) << Write(all.get(), format, true);
    EXPECT_EQ(std::system(("python3 -X utf8 -m json.tool " + file + " >/dev/null").c_str()), 0) << file;
    std::remove(file.c_str());
  }
#endif
}
