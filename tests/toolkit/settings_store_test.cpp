#include <gtest/gtest.h>

#include <memory>

#include "toolkit/core/settings_store.h"
#ifdef _WIN32
#include "toolkit/win32/registry_settings_store.h"
#endif

using namespace toolkit;

namespace {

// The same contract for every store; the registry one works below a test key
// of the current user that it removes again.
class SettingsStoreTest : public ::testing::TestWithParam<int> {
 protected:
  void SetUp() override {
#ifdef _WIN32
    if (GetParam() == 1) {
      store_ = std::make_unique<win32::RegistrySettingsStore>();
      store_->DeleteKey(SettingsRoot::CurrentUser, kBase);
    }
#endif
    if (!store_) store_ = std::make_unique<MemorySettingsStore>();
  }
  void TearDown() override { store_->DeleteKey(SettingsRoot::CurrentUser, kBase); }

  static constexpr Char kBase[] = u"Software\\QelSettingsTest";
  static constexpr SettingsRoot kUser = SettingsRoot::CurrentUser;
  std::unique_ptr<SettingsStore> store_;
};

TEST_P(SettingsStoreTest, KeysAreCreatedWithTheirParentsAndDeletedWithTheirChildren) {
  const String key = String(kBase) + u"\\Editor\\Comment";
  EXPECT_FALSE(store_->KeyExists(kUser, key));
  EXPECT_FALSE(store_->WriteInteger(kUser, key, u"Style", 1)) << "writing needs the key";
  ASSERT_TRUE(store_->CreateKey(kUser, key));
  EXPECT_TRUE(store_->KeyExists(kUser, String(kBase) + u"\\Editor"));
  EXPECT_TRUE(store_->KeyExists(kUser, String(kBase) + u"\\EDITOR\\comment\\")) << "names ignore case";
  EXPECT_TRUE(store_->WriteInteger(kUser, key, u"Style", 5));
  EXPECT_TRUE(store_->DeleteKey(kUser, String(kBase) + u"\\Editor"));
  EXPECT_FALSE(store_->KeyExists(kUser, key));
  EXPECT_FALSE(store_->ReadInteger(kUser, key, u"Style"));
  EXPECT_TRUE(store_->KeyExists(kUser, kBase));
  EXPECT_FALSE(store_->DeleteKey(kUser, u"\\")) << "the root stays";
}

TEST_P(SettingsStoreTest, ValuesKeepTheirKindAndReadBackExactly) {
  ASSERT_TRUE(store_->CreateKey(kUser, kBase));
  EXPECT_TRUE(store_->WriteInteger(kUser, kBase, u"Background", static_cast<std::int32_t>(0xFF00000D)));
  EXPECT_TRUE(store_->WriteInteger(kUser, kBase, u"Zero", 0));
  EXPECT_TRUE(store_->WriteString(kUser, kBase, u"Bold", u"True \u00e9"));
  EXPECT_TRUE(store_->WriteString(kUser, kBase, u"Empty", u""));

  EXPECT_EQ(store_->ReadInteger(kUser, kBase, u"background"), static_cast<std::int32_t>(0xFF00000D));
  EXPECT_EQ(store_->ReadInteger(kUser, kBase, u"Zero"), 0);
  EXPECT_EQ(store_->ReadString(kUser, kBase, u"Bold"), String(u"True \u00e9"));
  EXPECT_EQ(store_->ReadString(kUser, kBase, u"Empty"), String());
  EXPECT_TRUE(store_->ValueExists(kUser, kBase, u"EMPTY"));
  EXPECT_FALSE(store_->ValueExists(kUser, kBase, u"Missing"));
  // The other kind reads as nothing, and writing replaces the kind.
  EXPECT_FALSE(store_->ReadString(kUser, kBase, u"Zero"));
  EXPECT_FALSE(store_->ReadInteger(kUser, kBase, u"Bold"));
  EXPECT_TRUE(store_->WriteString(kUser, kBase, u"Zero", u"0"));
  EXPECT_EQ(store_->ReadString(kUser, kBase, u"Zero"), String(u"0"));
  EXPECT_FALSE(store_->ReadInteger(kUser, kBase, u"Zero"));
}

TEST_P(SettingsStoreTest, BadKeyNamesAreRefused) {
  const String bad = String(kBase) + u"\\a" + Char(0) + u"b";
  EXPECT_FALSE(store_->CreateKey(kUser, bad));
  EXPECT_FALSE(store_->KeyExists(kUser, bad));
  EXPECT_FALSE(store_->ReadString(kUser, bad, u"x"));
}

#ifdef _WIN32
INSTANTIATE_TEST_SUITE_P(Stores, SettingsStoreTest, ::testing::Values(0, 1));
#else
INSTANTIATE_TEST_SUITE_P(Stores, SettingsStoreTest, ::testing::Values(0));
#endif

TEST(SettingsKeyTest, PathsAreNormalised) {
  String path;
  ASSERT_TRUE(NormaliseSettingsKey(u"\\a\\\\b\\", path));
  EXPECT_EQ(path, u"a\\b");
  ASSERT_TRUE(NormaliseSettingsKey(u"", path));
  EXPECT_EQ(path, u"");
}

}  // namespace
