#include "host/kit/kit_api.h"

namespace host::kit::api {

using runtime::Text;
using runtime::TextView;

#ifdef QEL_ANSI

SysText SysTextOf(TextView text) { return SysText(text); }

Text TextOfSys(std::basic_string_view<SysChar> text) { return Text(text); }

SysText SysName(std::wstring_view name) { return SysText(name.begin(), name.end()); }

#else

SysText SysTextOf(TextView text) { return SysText(text.begin(), text.end()); }

Text TextOfSys(std::basic_string_view<SysChar> text) { return Text(text.begin(), text.end()); }

SysText SysName(std::wstring_view name) { return SysText(name); }

#endif

}  // namespace host::kit::api
