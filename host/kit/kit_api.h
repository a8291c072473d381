// The kit's Windows calls in the build's own character form: qel makes every
// call through its "A" form with its 8-bit text in the system code page (so
// its window procedures receive text messages in that code page too), qelu
// through the "W" form with its UTF-16 text.
#pragma once
#include <windows.h>
#include <commdlg.h>
#include <shlobj.h>

#include <string>
#include <string_view>

#include "runtime/text.h"

namespace host::kit::api {

#ifdef QEL_ANSI

using SysChar = char;
using ClassRecord = WNDCLASSA;
using FontRecord = LOGFONTA;
using FileRequest = OPENFILENAMEA;
using FolderRequest = BROWSEINFOA;
inline const DWORD kFileRequestSize = OPENFILENAME_SIZE_VERSION_400A;
inline constexpr UINT kSetFolderSelection = BFFM_SETSELECTIONA;

inline const auto Send = &::SendMessageA;
inline const auto Post = &::PostMessageA;
inline const auto Peek = &::PeekMessageA;
inline const auto Dispatch = &::DispatchMessageA;
inline const auto DefaultProc = &::DefWindowProcA;
inline const auto CallProc = &::CallWindowProcA;
inline const auto GetLong = &::GetWindowLongPtrA;
inline const auto SetLong = &::SetWindowLongPtrA;
inline const auto GetProperty = &::GetPropA;
inline const auto SetProperty = &::SetPropA;
inline const auto RemoveProperty = &::RemovePropA;
inline const auto ModuleHandle = &::GetModuleHandleA;
inline const auto LoadCursorOf = &::LoadCursorA;
inline const auto LoadIconOf = &::LoadIconA;
inline const auto ClassInfo = &::GetClassInfoA;
inline const auto RegisterClassRecord = &::RegisterClassA;
inline const auto CreateWindowOf = &::CreateWindowExA;
inline const auto CreateFontOf = &::CreateFontIndirectA;
inline const auto OpenFileDialog = &::GetOpenFileNameA;
inline const auto SaveFileDialog = &::GetSaveFileNameA;
inline const auto BrowseForFolder = &::SHBrowseForFolderA;
inline const auto PathFromIdList = &::SHGetPathFromIDListA;

#else

using SysChar = wchar_t;
using ClassRecord = WNDCLASSW;
using FontRecord = LOGFONTW;
using FileRequest = OPENFILENAMEW;
using FolderRequest = BROWSEINFOW;
inline const DWORD kFileRequestSize = OPENFILENAME_SIZE_VERSION_400W;
inline constexpr UINT kSetFolderSelection = BFFM_SETSELECTIONW;

inline const auto Send = &::SendMessageW;
inline const auto Post = &::PostMessageW;
inline const auto Peek = &::PeekMessageW;
inline const auto Dispatch = &::DispatchMessageW;
inline const auto DefaultProc = &::DefWindowProcW;
inline const auto CallProc = &::CallWindowProcW;
inline const auto GetLong = &::GetWindowLongPtrW;
inline const auto SetLong = &::SetWindowLongPtrW;
inline const auto GetProperty = &::GetPropW;
inline const auto SetProperty = &::SetPropW;
inline const auto RemoveProperty = &::RemovePropW;
inline const auto ModuleHandle = &::GetModuleHandleW;
inline const auto LoadCursorOf = &::LoadCursorW;
inline const auto LoadIconOf = &::LoadIconW;
inline const auto ClassInfo = &::GetClassInfoW;
inline const auto RegisterClassRecord = &::RegisterClassW;
inline const auto CreateWindowOf = &::CreateWindowExW;
inline const auto CreateFontOf = &::CreateFontIndirectW;
inline const auto OpenFileDialog = &::GetOpenFileNameW;
inline const auto SaveFileDialog = &::GetSaveFileNameW;
inline const auto BrowseForFolder = &::SHBrowseForFolderW;
inline const auto PathFromIdList = &::SHGetPathFromIDListW;

#endif

using SysText = std::basic_string<SysChar>;

// The build's text as the calls take it, and back.
SysText SysTextOf(runtime::TextView text);
runtime::Text TextOfSys(std::basic_string_view<SysChar> text);
// A name of the system (a class, a font, a module; ASCII) in the calls' form.
SysText SysName(std::wstring_view name);
// A resource number as a name pointer of the calls' form.
inline const SysChar* ResourceId(WORD id) { return reinterpret_cast<const SysChar*>(ULONG_PTR(id)); }

}  // namespace host::kit::api
