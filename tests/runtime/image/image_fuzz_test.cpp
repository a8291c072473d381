// The loader against damaged variants of two valid images, one of each form,
// that between them hold every record, value and reference kind it knows.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "runtime/image/base_streamers.h"
#include "image_fixture.h"
#include "support/image_damage.h"

using namespace runtime;

namespace {

// Every record kind, value kind and reference kind the loader knows.
ImageWriter RichImage() {
  ImageWriter writer;
  writer.Add(kListClassId, ListBody(true, {2, 3, 5, 8, 9}).RefCount(1));
  writer.Add(kProbeClassId, RecordBody()
                                .Field(kProbeClassId, kProbeName).Text("main")
                                .Field(kProbeClassId, kProbeChild).Ref(4)
                                .Field(kProbeClassId, kProbeValue).ObjectValue(varCountedObject, 5)
                                .Field(kProbeClassId, kProbeNumber).Int(-70000));
  writer.Add(kTrieClassId, TrieBody({{SymbolKey(u"alpha"), 5}, {SymbolKey(u"b\u00E9ta"), 6}}));
  writer.Add(kProbeClassId, RecordBody()
                                .Field(kProbeClassId, kProbeOwner).Ref(2)
                                .Field(kProbeClassId, kProbeValue).TextValue("h\xC3\xA9llo")
                                .Field(kProbeClassId, kProbeChild).Ref(7));
  writer.Add(kLeafClassId, RecordBody().RefCount(3));
  writer.Add(kLeafClassId, RecordBody());
  writer.Add(kNamedListClassId, NamedListBody(10, {{SymbolKey(u"a"), 1}, {SymbolKey(u"b"), 2}}));
  writer.Add(kVarLevelsClassId, VarLevelsBody(0, 11, 1));
  writer.Add(kListClassId, ListBody(false, {5, 6}));
  writer.Add(kListClassId, ListBody(true, {5, 6, 0}));
  writer.Add(kListClassId, ListBody(false, {}));
  return writer;
}

// The second form, a list subclass and raw number values.
ImageWriter SecondFormImage() {
  ImageWriter writer(ImageForm::kSecond, kImageVersion29);
  writer.Add(kListClassId, ListBody(true, {2, 5}));
  writer.Add(kProbeClassId, RecordBody()
                                .Field(kProbeClassId, kProbeChild).Ref(3)
                                .Field(kProbeClassId, kProbeValue).DoubleValue(1.5)
                                .Field(kProbeClassId, kProbeNumber).Int(5));
  writer.Add(kLeafListClassId, NamedListBody(4, {{SymbolKey(u"x"), 1}}));
  writer.Add(kListClassId, ListBody(true, {6}));
  writer.Add(kProbeClassId, RecordBody()
                                .Field(kProbeClassId, kProbeOwner).Ref(2)
                                .Field(kProbeClassId, kProbeValue).RawValue(varInt64, 0x8000000000000001ull)
                                .Field(kProbeClassId, kProbeName).Text(""));
  writer.Add(kLeafClassId, RecordBody());
  return writer;
}

}  // namespace

using ImageFuzz = ImageTest;

TEST_F(ImageFuzz, SeedsLoad) {
  for (const ImageWriter& seed : {RichImage(), SecondFormImage()}) EXPECT_EQ(LoadError(seed.Build()), "");
}

TEST_F(ImageFuzz, FlippedAndCutImageBytes) {
  ImageDamage damage(LoadError);
  for (const ImageWriter& seed : {RichImage(), SecondFormImage()}) {
    const std::string image = seed.Build();
    damage.FlipBytes(image, {0x01, 0x10, 0x80, 0xFF});
    damage.CutEnds(image);
    damage.CutPayload(seed);
  }
  EXPECT_GT(damage.Refused(), damage.Total() / 2);
}

TEST_F(ImageFuzz, DamagedRecordBodies) {
  ImageDamage damage(LoadError);
  for (const ImageWriter& seed : {RichImage(), SecondFormImage()}) {
    damage.DamageBodies(seed, {0x1D, 0x1C, 0x00, 0x7F, 0x80, 0xB0, 0xFF});
    damage.DoubleBodyBytes(seed);
  }
  EXPECT_GT(damage.Refused(), 0);
}

TEST_F(ImageFuzz, RecordsOfTheWrongClass) {
  const std::vector<int32_t> ids = {kBaseClassId, kListClassId, kTrieClassId, kNamedListClassId,
                                    kVarLevelsClassId, kProbeClassId, kLeafClassId, kLeafListClassId};
  ImageDamage damage(LoadError);
  for (const ImageWriter& seed : {RichImage(), SecondFormImage()}) damage.ChangeClasses(seed, ids);
  EXPECT_GT(damage.Refused(), 0);
}

TEST_F(ImageFuzz, RandomDamageInSeveralPlaces) {
  ImageDamage damage(LoadError);
  damage.DamageAtRandom({SecondFormImage(), RichImage()}, 1500, 0x9E3779B97F4A7C15ull);
  EXPECT_GT(damage.Refused(), 0);
}
