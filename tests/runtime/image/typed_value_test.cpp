#include <gtest/gtest.h>

#include <bit>
#include <string>

#include "image_fixture.h"
#include "platform/codepage.h"

using namespace runtime;

namespace {

// A probe node whose value field holds the typed value, with a leaf as its
// child for object references to point at.
std::string ImageWithValue(const RecordBody& value) {
  ImageWriter writer;
  writer.Add(kProbeClassId, RecordBody().Field(kProbeClassId, kProbeChild).Ref(2).Field(kProbeClassId, kProbeValue)
                                .Raw(value.Bytes()));
  writer.Add(kLeafClassId, RecordBody());
  return writer.Build();
}

}  // namespace

using TypedValue = ImageTest;

TEST_F(TypedValue, CompactTagsBecomeTheirTypes) {
  struct Case {
    RecordBody value;
    VarType type;
    uint64_t bits;
  } cases[] = {
      {RecordBody().IntValue(-5), varInteger, uint32_t(-5)},
      {RecordBody().IntValue(123456), varInteger, 123456},
      {RecordBody().BoolValue(true), varBoolean, 0xFFFF},
      {RecordBody().Int(varBoolean).Int(2), varBoolean, 0xFFFF},
      {RecordBody().BoolValue(false), varBoolean, 0},
      {RecordBody().ByteValue(0x1FF), varByte, 0xFF},
  };
  for (const auto& c : cases) {
    LoadedRoot root(ImageWithValue(c.value));
    const Value& value = root.As<ProbeNode>()->value;
    EXPECT_EQ(value.Type(), c.type);
    EXPECT_EQ(value.Type() == varBoolean ? uint64_t(value.AsUInt16Raw()) : value.Bits(), c.bits);
  }
}

TEST_F(TypedValue, OleTextBecomesAnUtf8ByteText) {
  LoadedRoot root(ImageWithValue(RecordBody().TextValue("Gr\xC3\xBC\xC3\x9F" "e")));
  const Value& value = root.As<ProbeNode>()->value;
  ASSERT_EQ(value.Type(), varString);
  EXPECT_EQ(value.Text8()->View(), "Gr\xC3\xBC\xC3\x9F" "e");
  EXPECT_EQ(value.Text8()->codePage, platform::kCodePageUtf8);
}

TEST_F(TypedValue, NumberTypesCopyTheirEightBytes) {
  const uint64_t pattern = 0x0123456789ABCDEFull;
  for (VarType type : {varEmpty, varNull, varSmallint, varSingle, varDouble, varCurrency, varDate, varError,
                       varShortInt, varWord, varLongWord, varInt64, varUInt64}) {
    LoadedRoot root(ImageWithValue(RecordBody().RawValue(type, pattern)));
    const Value& value = root.As<ProbeNode>()->value;
    EXPECT_EQ(value.Type(), type);
    EXPECT_EQ(value.Bits(), pattern) << type;
  }
  LoadedRoot root(ImageWithValue(RecordBody().DoubleValue(-2.5)));
  EXPECT_EQ(root.As<ProbeNode>()->value.AsDoubleRaw(), -2.5);
}

TEST_F(TypedValue, ObjectReferencesResolveToTheirRecordsNode) {
  for (VarType type : {varObject, varCountedObject}) {
    LoadedRoot root(ImageWithValue(RecordBody().ObjectValue(type, 2)));
    const auto* probe = root.As<ProbeNode>();
    EXPECT_EQ(probe->value.Type(), type);
    EXPECT_EQ(probe->value.AsObject(), probe->child);
    EXPECT_EQ(probe->child->RefCount(), type == varCountedObject ? 2 : 1) << "a counted value holds its own reference";
  }
}

TEST_F(TypedValue, RefusesPointerTypesAndBadPayloads) {
  const RecordBody refused[] = {
      RecordBody().Int(varDispatch).Raw(std::string(8, '\0')),
      RecordBody().Int(varUnknown).Raw(std::string(8, '\1')),
      RecordBody().Int(varVariant).Raw(std::string(8, '\1')),
      RecordBody().Int(14).Raw(std::string(8, '\0')),
      RecordBody().Int(varString).Raw(std::string(8, '\1')),
      RecordBody().Int(varUString).Raw(std::string(8, '\1')),
      RecordBody().Int(varVariantArray).Raw(std::string(8, '\1')),
      RecordBody().Int(varByteArray).Raw(std::string(8, '\1')),
      RecordBody().Int(varByRef | varInteger).Raw(std::string(8, '\1')),
      RecordBody().Int(22).Raw(std::string(8, '\0')),
      RecordBody().Int(-1).Raw(std::string(8, '\0')),
      RecordBody().Int(0x10000 + varInteger).Int(1),
      RecordBody().Int(varDouble).Raw(std::string(7, '\0')),
      RecordBody().TextValue("").Raw("x"),
      RecordBody().ObjectValue(varObject, 0),
      RecordBody().ObjectValue(varCountedObject, 0),
      RecordBody().ObjectValue(varObject, 3),
      RecordBody().ObjectValue(varCountedObject, -1),
      RecordBody().ObjectValue(varCountedObject, 1),
  };
  for (const RecordBody& value : refused)
    EXPECT_EQ(LoadError(ImageWithValue(value)), kBadFormat) << testing::PrintToString(value.Bytes());
}
