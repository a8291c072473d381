// A temporary folder whose names come as the build's Text, for the tests of
// runtime/sys and of compiled files.
#pragma once
#include <string_view>

#include "support/temp_folder.h"
#include "support/text_util.h"
#include "runtime/sys/sys_util.h"

using namespace runtime;

class SysFolderTest : public TempFolderTest {
protected:
  Text Name(std::u16string_view name) const { return TextFromUtf16(Path(name)); }
};
