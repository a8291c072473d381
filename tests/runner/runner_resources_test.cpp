// The Windows runners' own resources, read from the built programs: the
// icon the window kit gives forms, the manifest (common controls 6, DPI
// aware, run as the invoker) and the version, beside the "Diz" script of the
// runner copies that carry one.
#include <windows.h>

#include <string>
#include <vector>

#include "platform/paths.h"
#include "runner_fixture.h"

namespace {

using RunnerResources = testing::TestWithParam<RunnerUnderTest>;

std::wstring Wide(const std::u16string& text) { return std::wstring(text.begin(), text.end()); }

class ResourceFile {
public:
  explicit ResourceFile(const std::u16string& path)
      : module_(::LoadLibraryExW(Wide(path).c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE)) {}
  ~ResourceFile() {
    if (module_) ::FreeLibrary(module_);
  }
  ResourceFile(const ResourceFile&) = delete;
  ResourceFile& operator=(const ResourceFile&) = delete;

  bool Loaded() const { return module_ != nullptr; }
  bool Has(const wchar_t* name, const wchar_t* type) const { return ::FindResourceW(module_, name, type) != nullptr; }
  std::string Bytes(const wchar_t* name, const wchar_t* type) const {
    HRSRC found = ::FindResourceW(module_, name, type);
    HGLOBAL loaded = found ? ::LoadResource(module_, found) : nullptr;
    const char* data = loaded ? static_cast<const char*>(::LockResource(loaded)) : nullptr;
    return data ? std::string(data, ::SizeofResource(module_, found)) : std::string();
  }

private:
  HMODULE module_;
};

std::wstring VersionText(const std::vector<char>& block, const wchar_t* name) {
  void* value = nullptr;
  UINT length = 0;
  const std::wstring key = std::wstring(L"\\StringFileInfo\\040904B0\\") + name;
  if (!::VerQueryValueW(block.data(), key.c_str(), &value, &length) || length == 0) return L"";
  return std::wstring(static_cast<const wchar_t*>(value));
}

void ExpectRunnerResources(const std::u16string& path, const std::wstring& originalName) {
  SCOPED_TRACE(Utf8(path));
  ResourceFile file(path);
  ASSERT_TRUE(file.Loaded());
  EXPECT_TRUE(file.Has(L"MAINICON", MAKEINTRESOURCEW(14))) << "icon group MAINICON";

  const std::string manifest = file.Bytes(MAKEINTRESOURCEW(1), MAKEINTRESOURCEW(24));
  for (const char* part : {"name=\"Microsoft.Windows.Common-Controls\" version=\"6.0.0.0\"",
                           "<requestedExecutionLevel level=\"asInvoker\"", ">true</dpiAware>"})
    EXPECT_NE(manifest.find(part), std::string::npos) << part << " in\n" << manifest;

  const std::wstring wide = Wide(path);
  const DWORD size = ::GetFileVersionInfoSizeW(wide.c_str(), nullptr);
  ASSERT_GT(size, 0u);
  std::vector<char> block(size);
  ASSERT_TRUE(::GetFileVersionInfoW(wide.c_str(), 0, size, block.data()));
  VS_FIXEDFILEINFO* fixed = nullptr;
  UINT length = 0;
  ASSERT_TRUE(::VerQueryValueW(block.data(), L"\\", reinterpret_cast<void**>(&fixed), &length));
  EXPECT_EQ(fixed->dwFileVersionMS, DWORD(MAKELONG(0, 8)));
  EXPECT_EQ(fixed->dwFileType, DWORD(VFT_APP));
  EXPECT_EQ(VersionText(block, L"ProductName"), L"Qel");
  EXPECT_EQ(VersionText(block, L"ProductVersion"), L"8.0.0.0");
  EXPECT_EQ(VersionText(block, L"OriginalFilename"), originalName);
}

TEST_P(RunnerResources, TheRunnerCarriesIconManifestAndVersion) {
  const std::wstring name(GetParam().name, GetParam().name + std::char_traits<char>::length(GetParam().name));
  ExpectRunnerResources(GetParam().path, name + L".exe");
}

// The copies with a "Diz" script keep the runner's resources beside it.
TEST_P(RunnerResources, TheDizScriptSitsBesideThem) {
  const std::wstring name(GetParam().name, GetParam().name + std::char_traits<char>::length(GetParam().name));
  const std::u16string self = platform::ProgramPath();
  const std::u16string diz =
      self.substr(0, self.find_last_of(u"\\/") + 1) + Utf16(GetParam().name) + u"_diz.exe";
  ExpectRunnerResources(diz, name + L"_diz.exe");
  EXPECT_TRUE(ResourceFile(diz).Has(L"Diz", L"Qel"));
}

INSTANTIATE_TEST_SUITE_P(Runners, RunnerResources, testing::ValuesIn(Runners()), RunnerName);

}  // namespace
