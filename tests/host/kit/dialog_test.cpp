// The system's file and folder dialogs, driven from inside their own modal
// loops: a thread timer finds the dialog and presses its buttons, the folder
// dialog's ready hook presses OK.
#include <objbase.h>
#include <dlgs.h>
#include <shlobj.h>

#include <algorithm>

#include "kit_fixture.h"
#include "runtime/sys/sys_util.h"

using namespace runtime;

namespace kit_test {
namespace {

class KitDialog : public KitTest {
protected:
  void SetUp() override {
    KitTest::SetUp();
    ::CoInitialize(nullptr);
  }
};

std::u16string U16(const std::wstring& text) { return std::u16string(text.begin(), text.end()); }

// An ASCII name the dialog answered, whatever its form.
std::wstring WideOfAscii(const api::SysChar* text) {
  const api::SysText name(text);
  return std::wstring(name.begin(), name.end());
}

// ASCII text in the form the dialogs' calls take.
api::SysText Sys(std::string_view ascii) { return api::SysText(ascii.begin(), ascii.end()); }

TEST_F(KitDialog, TheSingleSelectionBufferKeepsItsNulAndTheResultIsReadBack) {
  const Text longName(300, QT('n'));
  const api::SysText buffer = FileDialogBuffer(longName, false);
  ASSERT_EQ(buffer.size(), kSingleFileBuffer);
  EXPECT_EQ(buffer.find(api::SysChar(0)), 261u);
  EXPECT_EQ(FileDialogResult(buffer, false), api::SysText(261, 'n'));
  EXPECT_EQ(FileDialogBuffer(QT("a.txt"), true).size(), kMultiFileBuffer);

  api::SysText filled(40, '\0');
  const api::SysText chosen = Sys(std::string_view("C:\\dir\0a.txt\0b.txt", 18));
  std::copy(chosen.begin(), chosen.end(), filled.begin());
  EXPECT_EQ(FileDialogResult(filled, true), Sys("C:\\dir\ra.txt\rb.txt"));
  EXPECT_EQ(FileDialogResult(Sys("C:\\dir\\one.txt") + api::SysText(5, '\0'), true), Sys("C:\\dir\\one.txt"));

  EXPECT_EQ(FileDialogFilter(QT("Text|*.txt|All|*.*")), Sys(std::string_view("Text\0*.txt\0All\0*.*\0", 19)));
  EXPECT_EQ(FileDialogFlags(kFileMustExist | kFileAllowMultiSelect),
            DWORD(OFN_FILEMUSTEXIST | OFN_ALLOWMULTISELECT | OFN_EXPLORER | OFN_LONGNAMES | OFN_ENABLESIZING));
  EXPECT_EQ(FolderDialogFlags(0), UINT(BIF_RETURNONLYFSDIRS));
  EXPECT_EQ(FolderDialogFlags(kFolderEditBox | kFolderNewDialogStyle), UINT(BIF_EDITBOX | BIF_NEWDIALOGSTYLE));
}

// What the timer types into the file dialog before pressing OK; empty: Cancel.
std::wstring typed;
std::wstring dialogTitle;
std::wstring shownName;

BOOL CALLBACK FindDialog(HWND window, LPARAM found) {
  wchar_t title[64] = {};
  ::GetWindowTextW(window, title, 64);
  if (ClassOf(window) != L"#32770" || dialogTitle != title) return TRUE;
  *reinterpret_cast<HWND*>(found) = window;
  return FALSE;
}

void CALLBACK DriveFileDialog(HWND, UINT, UINT_PTR timer, DWORD) {
  HWND dialog = nullptr;
  ::EnumThreadWindows(::GetCurrentThreadId(), &FindDialog, LPARAM(&dialog));
  if (!dialog) return;
  ::KillTimer(nullptr, timer);
  // The dialog's own messages take texts of the form it was made with.
  api::SysChar name[300] = {};
  api::Send(dialog, CDM_GETSPEC, 300, LPARAM(name));
  shownName = WideOfAscii(name);
  if (typed.empty()) {
    ::PostMessageW(dialog, WM_COMMAND, IDCANCEL, 0);
    return;
  }
  const api::SysText text = api::SysName(typed);
  api::Send(dialog, CDM_SETCONTROLTEXT, cmb13, LPARAM(text.c_str()));
  api::Send(dialog, CDM_SETCONTROLTEXT, edt1, LPARAM(text.c_str()));
  ::PostMessageW(dialog, WM_COMMAND, IDOK, 0);
}

std::wstring MakeFolderWithTwoFiles() {
  wchar_t temp[MAX_PATH] = {};
  ::GetTempPathW(MAX_PATH, temp);
  std::wstring folder = std::wstring(temp) + L"qel_kit_dialog";
  ::CreateDirectoryW(folder.c_str(), nullptr);
  for (const wchar_t* name : {L"\\a.txt", L"\\b.txt"}) {
    HANDLE file = ::CreateFileW((folder + name).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    ::CloseHandle(file);
  }
  return folder;
}

TEST_F(KitDialog, AMultiSelectionAnswersTheFolderAndTheNamesSeparatedByCr) {
  const std::wstring folder = MakeFolderWithTwoFiles();
  TKitFileDialog dialog = NewFileDialog(QT("Kit multi"), TextFromUtf16(U16(folder)), kFileMustExist | kFileAllowMultiSelect);
  dialog.filter = QT("Text files|*.txt|All files|*.*");
  dialogTitle = L"Kit multi";
  typed = L"\"a.txt\" \"b.txt\"";
  ::SetTimer(nullptr, 0, 100, &DriveFileDialog);
  bool chosen = false;
  {
    Watchdog watchdog(kPatience);
    chosen = ExecuteFileDialog(dialog);
  }
  ASSERT_TRUE(chosen);
  EXPECT_EQ(Utf16FromText(dialog.fileName), U16(folder + L"\ra.txt\rb.txt"));
  EXPECT_EQ(dialog.filterIndex, 1);
}

TEST_F(KitDialog, ALongInitialNameIsCutAndACancelAnswersNothing) {
  TKitFileDialog dialog = NewFileDialog(QT("Kit long name"), QT(""), 0);
  dialog.fileName = Text(300, QT('x'));
  dialogTitle = L"Kit long name";
  typed.clear();
  shownName.clear();
  ::SetTimer(nullptr, 0, 100, &DriveFileDialog);
  bool chosen = true;
  {
    Watchdog watchdog(kPatience);
    chosen = ExecuteFileDialog(dialog);
  }
  EXPECT_FALSE(chosen);
  EXPECT_TRUE(dialog.fileName.empty());
  EXPECT_LE(shownName.size(), 261u);
}

void PressOk(void*, HWND dialog) { ::PostMessageW(dialog, WM_COMMAND, IDOK, 0); }

TEST_F(KitDialog, TheFolderDialogStartsAtADriveRoot) {
  const struct {
    const Char* given;
    const Char* stored;
  } paths[] = {{QT("C:\\"), QT("C:\\")}, {QT("C:"), QT("C:\\")}, {QT("C:\\windows\\"), QT("C:\\windows")},
               {QT(""), QT("")}};
  for (const auto& p : paths) {
    TKitFolderDialog dialog;
    dialog.SetInitialFolder(p.given);
    EXPECT_EQ(dialog.InitialFolder(), p.stored);
  }

  TKitFolderDialog dialog = NewFolderDialog(QT("Pick a folder"), 0);
  dialog.SetInitialFolder(QT("C:\\"));
  dialog.onInit = &PressOk;
  bool chosen = false;
  {
    Watchdog watchdog(kPatience);
    chosen = ChooseFolder(dialog);
  }
  ASSERT_TRUE(chosen);
  EXPECT_EQ(dialog.folder, QT("C:\\"));
}

}  // namespace
}  // namespace kit_test
