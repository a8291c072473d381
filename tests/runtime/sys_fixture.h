// Helpers shared by the tests of runtime/sys: ASCII to Text, and a temporary
// folder whose names come as the build's Text.
#pragma once
#include <string_view>

#include "../platform/temp_folder.h"
#include "sys/sys_util.h"
#include "text.h"

inline Text T(std::string_view ascii) { return Text(ascii.begin(), ascii.end()); }

class SysFolderTest : public TempFolderTest {
protected:
  Text Name(std::u16string_view name) const { return TextFromUtf16(Path(name)); }
};
