#include <gtest/gtest.h>

#include <string>

#include "runtime/base/list.h"
#include "runtime/image/base_streamers.h"
#include "image_fixture.h"
#include "support/sys_fixture.h"

using namespace runtime;

namespace {

std::string TwoLeafImage() {
  ImageWriter writer(ImageForm::kSecond);
  writer.Add(kListClassId, ListBody(true, {2, 3}));
  writer.Add(kLeafClassId, RecordBody());
  writer.Add(kLeafClassId, RecordBody());
  return writer.Build();
}

Text OneCharPerByte(const std::string& bytes) {
  Text text;
  for (char byte : bytes) text.push_back(static_cast<Char>(static_cast<uint8_t>(byte)));
  return text;
}

class CompiledFile : public SysFolderTest {
protected:
  void SetUp() override {
    SysFolderTest::SetUp();
    RegisterProbeStreamers();
    aliveBefore_ = LiveObject::alive;
  }
  void TearDown() override {
    EXPECT_EQ(LiveObject::alive, aliveBefore_);
    SysFolderTest::TearDown();
  }

  static int32_t LoadedCount(TextView source, bool fromMemory) {
    CBase* root = LoadCompiledFile(source, fromMemory);
    const int32_t count = dynamic_cast<CList&>(*root).Count();
    root->Release();
    return count;
  }

private:
  int aliveBefore_ = 0;
};

}  // namespace

TEST_F(CompiledFile, ReadsTheImageAtTheEndOfAFile) {
  WriteFile(u"plain.qob", TwoLeafImage());
  WriteFile(u"runner.exe", "MZ" + std::string(70000, '\x90') + TwoLeafImage());
  EXPECT_EQ(LoadedCount(Name(u"plain.qob"), false), 2);
  EXPECT_EQ(LoadedCount(Name(u"runner.exe"), false), 2);
}

TEST_F(CompiledFile, RefusesFilesWithoutAWholeImage) {
  const std::string image = TwoLeafImage();
  WriteFile(u"empty.qob", "");
  WriteFile(u"short.qob", "boq");
  WriteFile(u"cut.qob", image.substr(5));
  WriteFile(u"source.qel", "print \"boq\"");
  for (const char16_t* name : {u"empty.qob", u"short.qob", u"cut.qob", u"source.qel"}) {
    try {
      LoadCompiledFile(Name(name), false)->Release();
      ADD_FAILURE() << Utf8(name) << " loaded";
    } catch (const EScriptError& e) {
      EXPECT_EQ(std::string(e.what()), kBadFormat) << Utf8(name);
    }
  }
}

TEST_F(CompiledFile, AMissingFileIsAnOpenFailure) {
  try {
    LoadCompiledFile(Name(u"missing.qob"), false);
    ADD_FAILURE() << "loaded";
  } catch (const EScriptError& e) {
    EXPECT_EQ(std::string(e.what()).rfind("Open \"", 0), 0u) << e.what();
  }
}

TEST_F(CompiledFile, ReadsAnImageFromTextHoldingOneBytePerCharacter) {
  EXPECT_EQ(LoadedCount(OneCharPerByte("prefix" + TwoLeafImage()), true), 2);
#ifndef QEL_ANSI
  Text wide = OneCharPerByte(TwoLeafImage());
  wide[0] = u'\u0171';
  try {
    LoadCompiledFile(wide, true)->Release();
    ADD_FAILURE() << "a character beyond a byte loaded";
  } catch (const EScriptError& e) {
    EXPECT_EQ(std::string(e.what()), kBadFormat);
  }
#endif
}
