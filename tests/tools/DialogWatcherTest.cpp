#include <windows.h>
#include <commdlg.h>
#include <ole2.h>
#include <shlobj.h>
#include <shobjidl.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "DialogWatcher.h"
#include "PickerAnswer.h"
#include "PngFile.h"
#include "Screenshot.h"
#include "TestFolder.h"
#include "WindowAccess.h"

namespace brivane {
namespace {

using testing::TestFolder;

bool hasLine(const std::vector<std::wstring>& lines, const std::wstring& line) {
  return std::find(lines.begin(), lines.end(), line) != lines.end();
}

bool hasLineStarting(const std::vector<std::wstring>& lines, const std::wstring& start) {
  return std::any_of(lines.begin(), lines.end(), [&](const std::wstring& l) { return l.rfind(start, 0) == 0; });
}

struct BrushTraits {
  using Handle = HBRUSH;
  static Handle invalid() { return nullptr; }
  static void close(Handle h) { DeleteObject(h); }
};
using UniqueBrush = UniqueHandle<BrushTraits>;

// The report, for a failure message.
std::string joined(const std::vector<std::wstring>& lines) {
  std::string text;
  for (const std::wstring& line : lines) text += toUtf8(line) + "\n";
  return text;
}

class DialogWatcherTest : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(SUCCEEDED(OleInitialize(nullptr))); }
  void TearDown() override { OleUninitialize(); }

  // Opens a save dialog in folder, the way the product's picker does, while a watcher answers it.
  BOOL showSaveDialog(const std::wstring& folder, const DialogAnswer& answer, std::wstring& chosen) {
    ComPtr<IFileSaveDialog> dialog;
    if (FAILED(CoCreateInstance(CLSID_FileSaveDialog, nullptr, CLSCTX_INPROC_SERVER, IID_IFileSaveDialog,
                                dialog.outVoid())))
      return FALSE;
    const COMDLG_FILTERSPEC filter{L"Secured Folder (*.qeld)", L"*.qeld"};
    FILEOPENDIALOGOPTIONS options = 0;
    dialog->GetOptions(&options);
    dialog->SetOptions((options & ~FOS_OVERWRITEPROMPT) | FOS_NOCHANGEDIR | FOS_FORCEFILESYSTEM);
    dialog->SetFileTypes(1, &filter);
    dialog->SetTitle(L"Pick a name");
    dialog->SetFileName(L"Initial.qeld");
    ComPtr<IShellItem> start;
    if (SUCCEEDED(SHCreateItemFromParsingName(folder.c_str(), nullptr, IID_IShellItem, start.outVoid())))
      dialog->SetFolder(start.get());
    DialogWatcher watcher(GetCurrentThreadId(),
                          [&](HWND window, size_t index) { answerPicker(window, index, answer, out); });
    const HRESULT shown = dialog->Show(nullptr);
    dialogsSeen = watcher.finish();
    ComPtr<IShellItem> result;
    PWSTR path = nullptr;
    if (FAILED(shown) || FAILED(dialog->GetResult(result.out())) ||
        FAILED(result->GetDisplayName(SIGDN_FILESYSPATH, &path)))
      return FALSE;
    chosen = path;
    CoTaskMemFree(path);
    return TRUE;
  }

  // Opens the folder dialog with the flags of the product's picker; a callback sets the button texts
  // on every notification, as the product's does.
  std::wstring showFolderDialog(const DialogAnswer& answer) {
    BROWSEINFOW info{};
    info.ulFlags = BIF_RETURNONLYFSDIRS | BIF_RETURNFSANCESTORS | BIF_NEWDIALOGSTYLE;
    info.lpfn = [](HWND dialog, UINT, LPARAM, LPARAM data) -> int {
      ++*reinterpret_cast<int*>(data);
      SetWindowTextW(dialog, L"Folder caption");
      SetDlgItemTextW(dialog, IDOK, L"Take it");
      SetDlgItemTextW(dialog, IDCANCEL, L"Leave");
      return 0;
    };
    info.lParam = reinterpret_cast<LPARAM>(&notifications);
    DialogWatcher watcher(GetCurrentThreadId(),
                          [&](HWND window, size_t index) { answerPicker(window, index, answer, out); });
    UniqueItemIdList chosen(SHBrowseForFolderW(&info));
    dialogsSeen = watcher.finish();
    wchar_t path[MAX_PATH] = {};
    if (!chosen || !SHGetPathFromIDListW(chosen.get(), path)) return L"(none)";
    return path;
  }

  Output out{Output::Mode::Keep};
  size_t dialogsSeen = 0;
  int notifications = 0;
};

TEST_F(DialogWatcherTest, SaveDialogGetsTheTypedNameAndIsReported) {
  TestFolder folder;
  std::wstring chosen;
  DialogAnswer answer{DialogAction::SaveName, L"Archive", L"", true};
  ASSERT_TRUE(showSaveDialog(folder.path(), answer, chosen));
  // Wine's file dialog object adds the filter's extension to a name typed without one; Windows does not.
  EXPECT_TRUE(chosen == folder.child(L"Archive") || chosen == folder.child(L"Archive.qeld")) << toUtf8(chosen);
  EXPECT_EQ(dialogsSeen, 1u);
  const auto lines = out.lines();
  EXPECT_EQ(lines.front(), L"dialog opened title=\"Pick a name\" kind=save");
  EXPECT_TRUE(hasLineStarting(lines, L"control " + std::to_wstring(kFileNameCombo) + L" ") ||
              hasLineStarting(lines, L"control " + std::to_wstring(kFileNameEdit) + L" "));
  EXPECT_TRUE(hasLineStarting(lines, L"control 1 Button "));
  EXPECT_TRUE(hasLine(lines, L"dialog answered save \"Archive\""));
  EXPECT_EQ(lines.back(), L"dialog closed");
}

TEST_F(DialogWatcherTest, SaveDialogStartsWithItsInitialNameVisibleToTheReport) {
  TestFolder folder;
  std::wstring chosen;
  DialogAnswer answer{DialogAction::Cancel, L"", L"", true};
  EXPECT_FALSE(showSaveDialog(folder.path(), answer, chosen));
  const auto lines = out.lines();
  EXPECT_TRUE(std::any_of(lines.begin(), lines.end(), [](const std::wstring& line) {
    return line.rfind(L"control ", 0) == 0 && line.find(L"\"Initial.qeld\"") != std::wstring::npos;
  }));
  EXPECT_TRUE(hasLine(lines, L"dialog answered cancel"));
}

TEST_F(DialogWatcherTest, SaveDialogWithAFolderAnswerIsCancelled) {
  TestFolder folder;
  std::wstring chosen;
  DialogAnswer answer{DialogAction::ChooseFolder, folder.path(), L"", false};
  EXPECT_FALSE(showSaveDialog(folder.path(), answer, chosen));
  EXPECT_TRUE(hasLine(out.lines(), L"dialog answered cancel"));
}

TEST_F(DialogWatcherTest, FolderDialogChoosesTheFolderAndShowsTheCallbackTexts) {
  TestFolder folder;
  const std::wstring target = folder.folder(L"Target & more");
  DialogAnswer answer{DialogAction::ChooseFolder, target, L"", true};
  EXPECT_EQ(showFolderDialog(answer), target) << joined(out.lines());
  EXPECT_EQ(dialogsSeen, 1u);
  const auto lines = out.lines();
  EXPECT_EQ(lines.front(), L"dialog opened title=\"Folder caption\" kind=folder");
  EXPECT_TRUE(hasLine(lines, L"control 1 Button \"Take it\""));
  EXPECT_TRUE(hasLine(lines, L"control 2 Button \"Leave\""));
  EXPECT_TRUE(hasLine(lines, L"dialog selected \"" + target + L"\""));
  EXPECT_TRUE(hasLine(lines, L"dialog answered folder \"" + target + L"\""));
  EXPECT_EQ(lines.back(), L"dialog closed");
  EXPECT_GE(notifications, 2);  // initialisation and at least the selection change
}

TEST_F(DialogWatcherTest, FolderDialogCancelledGivesNoFolder) {
  DialogAnswer answer{DialogAction::Cancel, L"", L"", false};
  EXPECT_EQ(showFolderDialog(answer), L"(none)");
  EXPECT_TRUE(hasLine(out.lines(), L"dialog answered cancel"));
}

TEST_F(DialogWatcherTest, OnlyTheFirstDialogGetsTheAnswer) {
  TestFolder folder;
  std::wstring chosen;
  DialogAnswer answer{DialogAction::SaveName, L"First", L"", false};
  DialogWatcher watcher(GetCurrentThreadId(),
                        [&](HWND window, size_t index) { answerPicker(window, index, answer, out); });
  for (int round = 0; round < 2; ++round) {
    wchar_t file[MAX_PATH] = L"";
    OPENFILENAMEW dialog{};
    dialog.lStructSize = sizeof dialog;
    dialog.lpstrFile = file;
    dialog.nMaxFile = MAX_PATH;
    dialog.lpstrInitialDir = folder.path().c_str();
    dialog.Flags = OFN_EXPLORER;
    EXPECT_EQ(GetSaveFileNameW(&dialog), round == 0 ? TRUE : FALSE);
  }
  EXPECT_EQ(watcher.finish(), 2u);
  const auto lines = out.lines();
  EXPECT_EQ(std::count(lines.begin(), lines.end(), L"dialog answered save \"First\""), 1);
  EXPECT_EQ(std::count(lines.begin(), lines.end(), L"dialog answered cancel"), 1);
}

TEST_F(DialogWatcherTest, DialogScreenshotIsAPngOfTheDialog) {
  TestFolder folder;
  const std::wstring png = folder.child(L"dialog shot.png");
  std::wstring chosen;
  DialogAnswer answer{DialogAction::Cancel, L"", png, false};
  showSaveDialog(folder.path(), answer, chosen);
  EXPECT_TRUE(hasLine(out.lines(), L"dialog screenshot \"" + png + L"\" hr=0x00000000")) << joined(out.lines());
  testing::DecodedImage image = testing::decodePng(png);
  ASSERT_TRUE(SUCCEEDED(image.hr));
  EXPECT_GT(image.width, 200u);
  EXPECT_GT(image.height, 150u);
}

TEST_F(DialogWatcherTest, ScreenshotHoldsWhatTheWindowShows) {
  const COLORREF colour = RGB(10, 200, 30);
  UniqueBrush brush(CreateSolidBrush(colour));
  WNDCLASSW windowClass{};
  windowClass.lpfnWndProc = DefWindowProcW;
  windowClass.hInstance = GetModuleHandleW(nullptr);
  windowClass.hbrBackground = brush.get();
  windowClass.lpszClassName = L"ShellhostScreenshotTest";
  RegisterClassW(&windowClass);
  UniqueWindow window(CreateWindowExW(WS_EX_TOPMOST, windowClass.lpszClassName, L"", WS_POPUP | WS_VISIBLE, 100, 120,
                                      90, 60, nullptr, nullptr, windowClass.hInstance, nullptr));
  ASSERT_TRUE(window);
  UpdateWindow(window.get());
  for (MSG msg; PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE);) DispatchMessageW(&msg);
  Sleep(300);
  TestFolder folder;
  const std::wstring png = folder.child(L"window.png");
  ASSERT_EQ(captureWindow(window.get(), png), S_OK);
  testing::DecodedImage image = testing::decodePng(png);
  ASSERT_TRUE(SUCCEEDED(image.hr));
  EXPECT_EQ(image.width, 90u);
  EXPECT_EQ(image.height, 60u);
  EXPECT_EQ(image.pixel(45, 30), colour);
  EXPECT_EQ(captureScreenRect(RECT{10, 10, 10, 40}, png), E_INVALIDARG);
  window.reset();
  UnregisterClassW(windowClass.lpszClassName, windowClass.hInstance);
}

TEST_F(DialogWatcherTest, NoDialogMeansNothingSeen) {
  DialogWatcher watcher(GetCurrentThreadId(),
                        [&](HWND window, size_t index) { answerPicker(window, index, DialogAnswer{}, out); });
  Sleep(200);
  EXPECT_EQ(watcher.finish(), 0u);
  EXPECT_TRUE(out.lines().empty());
}

}  // namespace
}  // namespace brivane
