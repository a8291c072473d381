#include "runtime/compile/image_loader.h"
#include "runtime/compile/module_search.h"
#include "compile_fixture.h"
#include "platform/filesystem.h"
#include "platform/paths.h"

using namespace runtime;

namespace {

// Stands in for the image reader: an image is "qob" + payload + "boq".
std::string imageBytes;

bool HoldsFakeImage(std::string_view bytes) {
  return bytes.size() >= 6 && bytes.substr(0, 3) == "qob" && bytes.substr(bytes.size() - 3) == "boq";
}

CModule* LoadFakeImage(std::string bytes) {
  imageBytes = std::move(bytes);
  auto* module = new CModule(nullptr);
  module->SetFileName(QT("image"));
  return module;
}

class ModuleLoading : public CompileTest {
protected:
  void SetUp() override {
    CompileTest::SetUp();
    imageBytes = "none";
    RegisterImageLoader({&HoldsFakeImage, &LoadFakeImage});
  }
  void TearDown() override {
    RegisterImageLoader({nullptr, nullptr});
    CompileTest::TearDown();
  }
};

}  // namespace

TEST_F(ModuleLoading, ATextEndingInTheTrailerTagIsSource) {
  CModule* module = Compile("?. \"source\"; // boq");
  EXPECT_EQ(Output(module), "source\r\n");
  EXPECT_EQ(imageBytes, "none");
}

TEST_F(ModuleLoading, AnImageIsKnownByItsRawBytesWhateverTheFileIsCalled) {
  // A UTF-16 mark at the start: decoding the bytes as text would mangle them.
  const std::string image("qob\xFF\xFE\x00\x80\x0D\x0A" "boq", 12);
  WriteFile(u"image.qel", image);
  LoadFile(u"image.qel");
  EXPECT_EQ(imageBytes, image);
}

TEST_F(ModuleLoading, ImageExtensionsNeedNoTrailer) {
  for (const char16_t* name : {u"a.qob", u"b.QEX", u"c.exe", u"d.Dll"}) {
    WriteFile(name, "?. 1;");
    imageBytes = "none";
    LoadFile(name);
    EXPECT_EQ(imageBytes, "?. 1;") << Utf8(name);
  }
}

TEST_F(ModuleLoading, AnImageJoinsTheListAfterItsAnchor) {
  CModule* anchor = Compile("");
  WriteFile(u"a.qob", "");
  CModule* image = Keep(LoadModuleFile(TextFromUtf16(Path(u"a.qob")), anchor, &NewListingCompiler));
  EXPECT_EQ(anchor->Next(), image);
  EXPECT_EQ(anchor->FindLoaded(QT("IMAGE")), image);
}

TEST_F(ModuleLoading, WithoutAnImageReaderAnImageFileIsAClearError) {
  RegisterImageLoader({nullptr, nullptr});
  WriteFile(u"a.qob", "qob boq");
  EXPECT_EQ(ErrorOf([&] { LoadFile(u"a.qob"); }), "Compiled images cannot be loaded: no image reader is linked in");
}

TEST_F(ModuleLoading, AMissingFileRaisesTheOpenFailure) {
  EXPECT_EQ(ErrorOf([&] { LoadFile(u"missing.qel"); }).substr(0, 6), "Open \"");
}

// A new module goes right after its anchor.
TEST_F(ModuleLoading, CompiledModulesJoinTheCircleAfterTheirAnchor) {
  CModule* a = Compile("");
  CModule* b = Keep(LoadModule(QT(""), &NewListingCompiler, a, {}));
  CModule* c = Keep(LoadModule(QT(""), &NewListingCompiler, a, {}));
  EXPECT_EQ(a->Next(), c);
  EXPECT_EQ(c->Next(), b);
  EXPECT_EQ(b->Next(), a);
}

TEST_F(ModuleLoading, AModuleThatFailsToCompileLeavesTheCircle) {
  CModule* anchor = Compile("");
  WriteFile(u"bad.qel", "use \"uses_bad.qel\"; class D = Missing() end class;");
  WriteFile(u"uses_bad.qel", "use \"bad.qel\";");
  const Text path = TextFromUtf16(Path(u"bad.qel"));
  EXPECT_EQ(ErrorOf([&] { Keep(LoadModuleFile(path, anchor, &NewListingCompiler)); }), "Missing not found");
  EXPECT_EQ(anchor->Next(), anchor);
}

TEST_F(ModuleLoading, UseSearchesBesideTheImportingModuleAndKeepsAbsoluteNames) {
  WriteFile(u"main.qel", "");
  WriteFile(u"near.qel", "");
  CModule* main = LoadFile(u"main.qel");
  const Text folder = FolderOf(main->FileName());
  EXPECT_EQ(FindModuleFile(QT("near.qel"), main), folder + QT("near.qel"));
  EXPECT_EQ(FindModuleFile(QT("nowhere.qel"), main), folder + QT("nowhere.qel"));
  const Text absolute = folder + QT("absent/x.qel");
  EXPECT_EQ(FindModuleFile(absolute, main), absolute);
}

TEST_F(ModuleLoading, AFileInTheCurrentFolderIsTakenByItsName) {
  WriteFile(u"here.qel", "");
  ASSERT_TRUE(platform::FolderCreate(Path(u"sub")));
  WriteFile(u"sub\\here.qel", "");
  const std::u16string previous = platform::CurrentFolder();
  ASSERT_TRUE(platform::SetCurrentFolder(root_));
  CModule* importing = LoadFile(u"sub\\here.qel");
  const Text found = FindModuleFile(QT("here.qel"), importing);
  platform::SetCurrentFolder(previous);
  EXPECT_EQ(found, QT("here.qel"));
}
