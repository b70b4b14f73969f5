#include "PickerAnswer.h"

#include <commctrl.h>

#include "FolderTreeWalk.h"
#include "Screenshot.h"
#include "WindowAccess.h"

namespace brivane {
namespace {

constexpr DWORD kCloseTimeoutMs = 10000;
constexpr DWORD kPaintDelayMs = 300;

struct KindName {
  PickerKind kind;
  const wchar_t* name;
};

const KindName kKindNames[] = {
    {PickerKind::FolderDialog, L"folder"},
    {PickerKind::SaveDialog, L"save"},
    {PickerKind::Message, L"message"},
    {PickerKind::Other, L"other"},
};

const wchar_t* kindName(PickerKind kind) {
  for (const KindName& entry : kKindNames) {
    if (entry.kind == kind) return entry.name;
  }
  return L"other";
}

HWND childOfClass(HWND parent, const wchar_t* className) {
  for (HWND child : childWindows(parent)) {
    if (windowClass(child) == className) return child;
  }
  return nullptr;
}

HWND fileNameControl(HWND dialog) {
  HWND control = GetDlgItem(dialog, kFileNameCombo);
  return control ? control : GetDlgItem(dialog, kFileNameEdit);
}

void reportMessage(HWND dialog, Output& out) {
  HWND owner = GetWindow(dialog, GW_OWNER);
  out.line(L"dialog message owner=" + (owner ? quoted(windowText(owner)) : std::wstring(L"none")) +
           L" text=" + quoted(windowText(GetDlgItem(dialog, kMessageText))));
}

void report(HWND dialog, Output& out) {
  for (const std::wstring& line : describeControls(dialog)) out.line(line);
}

void cancel(HWND dialog, Output& out) {
  if (!clickButton(dialog, IDCANCEL)) PostMessageW(dialog, WM_COMMAND, IDCANCEL, 0);
  out.line(L"dialog answered cancel");
}

// Wine's dialog cannot select a path below the desktop through BFFM_SETSELECTIONW, so the folder is
// found in the tree by its names, as a person would click through it.
void chooseFolder(HWND dialog, const DialogAnswer& answer, Output& out) {
  if (!selectFolderInTree(childOfClass(dialog, WC_TREEVIEWW), answer.value)) {
    out.line(L"dialog folder-not-found " + quoted(answer.value));
    return cancel(dialog, out);
  }
  Sleep(kPaintDelayMs);
  if (answer.report) {
    out.line(L"dialog selected " + quoted(answer.value));
    report(dialog, out);
  }
  clickButton(dialog, IDOK);
  out.line(L"dialog answered folder " + quoted(answer.value));
}

void typeSaveName(HWND dialog, const DialogAnswer& answer, Output& out) {
  sendWithTimeout(fileNameControl(dialog), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(answer.value.c_str()));
  clickButton(dialog, IDOK);
  out.line(L"dialog answered save " + quoted(answer.value));
}

void applyAnswer(HWND dialog, PickerKind kind, size_t index, const DialogAnswer& answer, Output& out) {
  if (index == 0 && answer.action == DialogAction::ChooseFolder && kind == PickerKind::FolderDialog) {
    chooseFolder(dialog, answer, out);
  } else if (index == 0 && answer.action == DialogAction::SaveName && kind == PickerKind::SaveDialog) {
    typeSaveName(dialog, answer, out);
  } else {
    cancel(dialog, out);
  }
}

}  // namespace

// The file dialog object may show a folder tree beside its file list, so its name box decides first.
PickerKind pickerKind(HWND dialog) {
  if (fileNameControl(dialog)) return PickerKind::SaveDialog;
  if (childOfClass(dialog, WC_TREEVIEWW)) return PickerKind::FolderDialog;
  if (GetDlgItem(dialog, kMessageText)) return PickerKind::Message;
  return PickerKind::Other;
}

void answerPicker(HWND dialog, size_t index, const DialogAnswer& answer, Output& out) {
  const PickerKind kind = pickerKind(dialog);
  out.line(L"dialog opened title=" + quoted(windowText(dialog)) + L" kind=" + kindName(kind));
  if (kind == PickerKind::Message) reportMessage(dialog, out);
  if (answer.report) report(dialog, out);
  if (!answer.screenshot.empty() && index == 0) {
    Sleep(kPaintDelayMs);
    const HRESULT hr = captureWindow(dialog, answer.screenshot);
    out.line(L"dialog screenshot " + quoted(answer.screenshot) + L" hr=" + hresultText(hr));
  }
  applyAnswer(dialog, kind, index, answer, out);
  if (waitUntilClosed(dialog, kCloseTimeoutMs)) {
    out.line(L"dialog closed");
    return;
  }
  out.line(L"dialog still-open");
  PostMessageW(dialog, WM_COMMAND, IDCANCEL, 0);
}

}  // namespace brivane
