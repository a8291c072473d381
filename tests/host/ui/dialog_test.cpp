// "ui.dialog" from scripts: the open dialog in the folder of "file" with a
// multi-selection, the save dialog with its default extension, the folder
// dialog at a drive root, and cancelling. A thread timer finds the dialog
// (it has no title) and types, presses OK or cancels.
#include <objbase.h>
#include <dlgs.h>

#include "host/kit/kit_api.h"
#include "host/ui/ui_dialog.h"
#include "ui_fixture.h"

namespace ui_test {
namespace {

TEST(UiDialogFolder, TheFolderPartEndsAtTheLastColonOrSlash) {
  const struct {
    const Char* file;
    const Char* folder;
  } cases[] = {{QT("C:\\dir\\a.txt"), QT("C:\\dir\\")}, {QT("C:a.txt"), QT("C:")},
               {QT("dir/sub/a.txt"), QT("dir/sub/")},   {QT("a.txt"), QT("")},
               {QT("C:\\dir/a:b"), QT("C:\\dir/a:")},  {QT(""), QT("")}};
  for (const auto& c : cases) EXPECT_EQ(host::ui::FolderPart(c.file), c.folder) << Narrow(c.file);
}

enum class Press { kCancel, kOk, kTypeAndOk };
Press press = Press::kCancel;
std::wstring typed;

BOOL CALLBACK FindDialog(HWND window, LPARAM found) {
  if (kit_test::ClassOf(window) != L"#32770" || !::IsWindowVisible(window)) return TRUE;
  *reinterpret_cast<HWND*>(found) = window;
  return FALSE;
}

void CALLBACK DriveDialog(HWND, UINT, UINT_PTR timer, DWORD) {
  HWND dialog = nullptr;
  ::EnumThreadWindows(::GetCurrentThreadId(), &FindDialog, LPARAM(&dialog));
  if (!dialog) return;
  ::KillTimer(nullptr, timer);
  if (press == Press::kTypeAndOk) {
    // The dialog's own messages take texts of the form it was made with.
    const host::kit::api::SysText text = host::kit::api::SysName(typed);
    host::kit::api::Send(dialog, CDM_SETCONTROLTEXT, cmb13, LPARAM(text.c_str()));
    host::kit::api::Send(dialog, CDM_SETCONTROLTEXT, edt1, LPARAM(text.c_str()));
  }
  ::PostMessageW(dialog, WM_COMMAND, press == Press::kCancel ? IDCANCEL : IDOK, 0);
}

class UiDialog : public UiTest {
protected:
  void SetUp() override {
    UiTest::SetUp();
    ::CoInitialize(nullptr);
  }

  // Runs the script while the timer drives the first dialog it finds.
  static std::string RunWithDialog(const std::string& source, Press how, const std::wstring& text = L"") {
    press = how;
    typed = text;
    ::SetTimer(nullptr, 0, 100, &DriveDialog);
    Watchdog watchdog(kPatience);
    return Run(kPrologue + source);
  }
};

std::string MakeFolderWithTwoFiles() {
  wchar_t temp[MAX_PATH] = {};
  ::GetTempPathW(MAX_PATH, temp);
  const std::wstring folder = std::wstring(temp) + L"qel_ui_dialog";
  ::CreateDirectoryW(folder.c_str(), nullptr);
  for (const wchar_t* name : {L"\\a.txt", L"\\b.txt"}) {
    HANDLE file = ::CreateFileW((folder + name).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    ::CloseHandle(file);
  }
  ::DeleteFileW((folder + L"\\new.txt").c_str());
  return std::string(folder.begin(), folder.end());
}

TEST_F(UiDialog, OpenStartsInTheFolderOfTheFileAndAnswersAMultiSelection) {
  const std::string folder = MakeFolderWithTwoFiles();
  EXPECT_EQ(RunWithDialog("var folder = \"" + folder + "\";\n" +
                              "?. ui.dialog(\"Text files|*.txt|All files|*.*\", folder & \"\\a.txt\", true);\n",
                          Press::kTypeAndOk, L"\"a.txt\" \"b.txt\""),
            folder + "\ra.txt\rb.txt\r\n");
}

TEST_F(UiDialog, SaveAddsTheDefaultExtension) {
  const std::string folder = MakeFolderWithTwoFiles();
  EXPECT_EQ(RunWithDialog("?. ui.dialog(save: \"Text files|*.txt\", file: \"" + folder + "\\new\", defext: \"txt\");\n",
                          Press::kTypeAndOk, L"new"),
            folder + "\\new.txt\r\n");
}

TEST_F(UiDialog, TheFolderDialogStartsAtThePathAndACancelAnswersNothing) {
  EXPECT_EQ(RunWithDialog("?. ui.dialog(path: \"C:\\\");\n", Press::kOk), "C:\\\r\n");
  EXPECT_EQ(RunWithDialog("?. \"[\" & ui.dialog() & \"]\";\n", Press::kCancel), "[]\r\n");
  EXPECT_EQ(RunWithDialog("?. \"[\" & ui.dialog(\"All|*.*\") & \"]\";\n", Press::kCancel), "[]\r\n");
}

}  // namespace
}  // namespace ui_test
