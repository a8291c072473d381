#include <gtest/gtest.h>

#include "runtime/error.h"
#include "support/sys_fixture.h"
#include "runtime/sys/sys_util.h"

using namespace runtime;

namespace {

using ProbeFunction = int (*)();
using WatchFunction = void (*)(int*);

Text ProbeLibrary() { return T(QEL_PROBE_LIBRARY); }

int CallExport(platform::LibraryHandle library, const char* name) {
  return reinterpret_cast<ProbeFunction>(GetProcAddressChecked(library, T(name)))();
}

TEST(SysLibrary, ExportsAreFoundWithTheWSuffixAsFallback) {
  const platform::LibraryHandle library = LoadLibraryChecked(ProbeLibrary());
  EXPECT_EQ(CallExport(library, "QelBoth"), 1);
  EXPECT_EQ(CallExport(library, "QelProbe"), 2);
  EXPECT_EQ(CallExport(library, "QelBothW"), 3);
  CSysUtil::FreeLibrary(library);
}

TEST(SysLibrary, AMissingExportFreesTheLibraryAndRaises) {
  const platform::LibraryHandle library = LoadLibraryChecked(ProbeLibrary());
  int unloaded = 0;
  reinterpret_cast<WatchFunction>(GetProcAddressChecked(library, T("QelProbeWatch")))(&unloaded);
  try {
    GetProcAddressChecked(library, T("QelMissing"));
    ADD_FAILURE() << "no error";
  } catch (const EScriptError& error) {
    const Text prefix = T("GetProcAddress(QelMissing): ");
    EXPECT_TRUE(error.Message().starts_with(prefix)) << error.what();
    EXPECT_GT(error.Message().size(), prefix.size()) << error.what();
  }
  EXPECT_EQ(unloaded, 1);
}

TEST(SysLibrary, AFailedLoadRaisesWithTheName) {
  try {
    LoadLibraryChecked(T("qel-no-such-library.dll"));
    ADD_FAILURE() << "no error";
  } catch (const EScriptError& error) {
    const Text prefix = T("LoadLibrary(qel-no-such-library.dll): ");
    EXPECT_TRUE(error.Message().starts_with(prefix)) << error.what();
    EXPECT_GT(error.Message().size(), prefix.size()) << error.what();
  }
}

#ifdef _WIN32
TEST(SysLibrary, MessageBoxIsFoundAsMessageBoxW) {
  const platform::LibraryHandle library = LoadLibraryChecked(T("user32.dll"));
  EXPECT_EQ(GetProcAddressChecked(library, T("MessageBox")), platform::LibrarySymbol(library, "MessageBoxW"));
  CSysUtil::FreeLibrary(library);
}
#endif

}  // namespace
